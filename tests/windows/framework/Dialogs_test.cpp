#include "framework/Canvas.h"
#include "framework/Clipboard.h"
#include "framework/Dialogs.h"
#include "framework/Form.h"
#include "framework/Image.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/RealInput.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace velkaro::test {
namespace {

using DialogsTest = ApplicationTest;

HWND TheEdit(HWND dialog) {
    return ChildrenOf(dialog, L"TEdit").at(0);
}

TEST_F(DialogsTest, InputBoxResults) {
    const struct {
        const char* Name;
        const wchar_t* Typed; // nullptr: the pre-filled text stays
        std::function<void(HWND dialog)> Finish;
        std::wstring Expected;
    } cases[] = {
        {"Enter confirms the typed text", L"1500000",
         [](HWND dialog) { PostKey(TheEdit(dialog), VK_RETURN); }, L"1500000"},
        {"Tamam confirms the typed text", L"42",
         [](HWND dialog) { PostMessageW(ChildrenOf(dialog, L"TButton")[0], BM_CLICK, 0, 0); },
         L"42"},
        {"an empty text confirmed stays empty", L"",
         [](HWND dialog) { PostKey(TheEdit(dialog), VK_RETURN); }, L""},
        {"Esc keeps the default", L"99", [](HWND dialog) { PostKey(TheEdit(dialog), VK_ESCAPE); },
         L"0"},
        {"Vazgeç keeps the default", L"99",
         [](HWND dialog) { PostMessageW(ChildrenOf(dialog, L"TButton")[1], BM_CLICK, 0, 0); },
         L"0"},
        {"the close box keeps the default", L"99",
         [](HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); }, L"0"},
    };
    for (const auto& c : cases) {
        const TWindowAnswer answer(L"TInputQueryForm", [&](HWND dialog) {
            if (c.Typed != nullptr) {
                SetWindowTextW(TheEdit(dialog), c.Typed);
            }
            c.Finish(dialog);
        });
        EXPECT_EQ(InputBox(L"Fiyat", L"Birinci fiyat", L"0"), c.Expected) << c.Name;
        EXPECT_TRUE(answer.Answered()) << c.Name;
    }
}

TEST_F(DialogsTest, InputQueryTouchesTheValueOnlyWhenConfirmed) {
    std::wstring value = L"7";
    {
        const TWindowAnswer answer(L"TInputQueryForm", [](HWND dialog) {
            SetWindowTextW(TheEdit(dialog), L"8");
            PostKey(TheEdit(dialog), VK_ESCAPE);
        });
        EXPECT_FALSE(InputQuery(L"Fiyat", L"Fiyat", value));
    }
    EXPECT_EQ(value, L"7");
    {
        const TWindowAnswer answer(L"TInputQueryForm", [](HWND dialog) {
            SetWindowTextW(TheEdit(dialog), L"8");
            PostKey(TheEdit(dialog), VK_RETURN);
        });
        EXPECT_TRUE(InputQuery(L"Fiyat", L"Fiyat", value));
    }
    EXPECT_EQ(value, L"8");
}

TEST_F(DialogsTest, PromptShowsItsTextsWithTheValueSelectedAndFocused) {
    DWORD start = 1, end = 0;
    HWND focus = nullptr, edit = nullptr;
    std::wstring caption, prompt, text, ok, cancel;
    const TWindowAnswer answer(L"TInputQueryForm", [&](HWND dialog) {
        edit = TheEdit(dialog);
        focus = GetFocus();
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        caption = TextOf(dialog);
        prompt = TextOf(ChildrenOf(dialog, L"TLabel").at(0));
        text = TextOf(edit);
        ok = TextOf(ChildrenOf(dialog, L"TButton").at(0));
        cancel = TextOf(ChildrenOf(dialog, L"TButton").at(1));
        PostKey(edit, VK_ESCAPE);
    });
    InputBox(L"Yuvarlama", L"Yuvarlama oranı", L"250000");
    EXPECT_EQ(caption, L"Yuvarlama");
    EXPECT_EQ(prompt, L"Yuvarlama oranı");
    EXPECT_EQ(text, L"250000");
    EXPECT_EQ(focus, edit);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 6u);
    EXPECT_EQ(ok, L"Tamam");
    EXPECT_EQ(cancel, L"Vazgeç");
}

struct TPromptGeometry {
    RECT Client{}, Prompt{}, Edit{}, Ok{}, Cancel{};
};

TPromptGeometry MeasurePrompt(const std::wstring& prompt) {
    TPromptGeometry geometry;
    const TWindowAnswer answer(L"TInputQueryForm", [&](HWND dialog) {
        geometry.Client = ClientBounds(dialog);
        geometry.Prompt = BoundsInParent(ChildrenOf(dialog, L"TLabel").at(0));
        geometry.Edit = BoundsInParent(TheEdit(dialog));
        geometry.Ok = BoundsInParent(ChildrenOf(dialog, L"TButton").at(0));
        geometry.Cancel = BoundsInParent(ChildrenOf(dialog, L"TButton").at(1));
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    InputBox(L"Fiyat", prompt, L"0");
    return geometry;
}

TEST_F(DialogsTest, PromptIsLaidOutInTheDialogUnitsOfItsFont) {
    const TFont font; // the default font every form starts with
    const TDialogUnits units = AverageCharSize(font.Handle(), SystemPixelsPerInch());
    const TPromptGeometry geometry = MeasurePrompt(L"Fiyat");

    EXPECT_EQ(geometry.Client.right, HorzUnits(units, 180));
    EXPECT_EQ(geometry.Prompt.left, HorzUnits(units, 8));
    EXPECT_EQ(geometry.Prompt.top, VertUnits(units, 8));
    EXPECT_EQ(geometry.Edit.left, geometry.Prompt.left);
    EXPECT_EQ(geometry.Edit.top, geometry.Prompt.bottom + 5);
    EXPECT_EQ(geometry.Edit.right - geometry.Edit.left, HorzUnits(units, 164));
    EXPECT_EQ(geometry.Ok.top, geometry.Edit.bottom + 15);
    EXPECT_EQ(geometry.Ok.left, HorzUnits(units, 38));
    EXPECT_EQ(geometry.Cancel.left, HorzUnits(units, 92));
    EXPECT_EQ(geometry.Ok.right - geometry.Ok.left, HorzUnits(units, 50));
    EXPECT_EQ(geometry.Ok.bottom - geometry.Ok.top, VertUnits(units, 14));
    EXPECT_EQ(geometry.Client.bottom, geometry.Ok.bottom + 13);
}

TEST_F(DialogsTest, LongPromptWrapsAndPushesTheEditAndButtonsDown) {
    const TPromptGeometry shortPrompt = MeasurePrompt(L"Fiyat");
    const TPromptGeometry longPrompt =
        MeasurePrompt(L"Birinci tarifenin saatlik fiyatını Türk lirası olarak, kuruşsuz ve "
                      L"binlik ayırıcı kullanmadan giriniz; sıfır girilirse fiyat sorulmaya "
                      L"devam edilir.");
    const int lineHeight = shortPrompt.Prompt.bottom - shortPrompt.Prompt.top;
    EXPECT_GE(longPrompt.Prompt.bottom - longPrompt.Prompt.top, 3 * lineHeight);
    EXPECT_EQ(longPrompt.Prompt.right, longPrompt.Edit.right) << "wraps at the full width";
    EXPECT_EQ(longPrompt.Edit.top, longPrompt.Prompt.bottom + 5);
    EXPECT_EQ(longPrompt.Ok.top - shortPrompt.Ok.top,
              longPrompt.Prompt.bottom - shortPrompt.Prompt.bottom);
    EXPECT_EQ(longPrompt.Client.right, shortPrompt.Client.right);
}

struct TMessageView {
    std::wstring Caption, Text;
    const wchar_t* Icon = nullptr;
    int IconWidth = 0, IconPlaceWidth = 0;
    std::vector<std::wstring> Buttons;
    std::vector<RECT> ButtonBounds;
    RECT Client{}, TextBounds{};
    int Result = mrNone;
};

TMessageView ShowMessage(const std::wstring& message, TMsgDlgType type, TMsgDlgButtons buttons,
                         WORD answerKey) {
    TMessageView view;
    const TWindowAnswer answer(L"TMessageForm", [&](HWND dialog) {
        view.Caption = TextOf(dialog);
        view.Client = ClientBounds(dialog);
        const HWND label = ChildrenOf(dialog, L"TLabel").at(0);
        view.Text = TextOf(label);
        view.TextBounds = BoundsInParent(label);
        for (HWND image : ChildrenOf(dialog, L"TImage")) {
            const auto* shown = dynamic_cast<TImage*>(TControl::FromHandle(image));
            view.Icon = shown->SystemIcon();
            view.IconWidth = IconWidth(shown->Icon());
            view.IconPlaceWidth = ClientBounds(image).right;
        }
        for (HWND button : ChildrenOf(dialog, L"TButton")) {
            view.Buttons.push_back(TextOf(button));
            view.ButtonBounds.push_back(BoundsInParent(button));
        }
        PostKey(GetFocus(), answerKey);
    });
    view.Result = MessageDlg(message, type, buttons, 0);
    return view;
}

TEST_F(DialogsTest, ErrorMessageHasItsCaptionStopIconAndOneTamamForEnterAndEsc) {
    for (WORD key : {VK_RETURN, VK_ESCAPE}) {
        const TMessageView view =
            ShowMessage(L"Girdiğinz değer yanlış!", TMsgDlgType::mtError, MsgDlgButton(mbOK), key);
        EXPECT_EQ(view.Caption, L"Hata");
        EXPECT_EQ(view.Text, L"Girdiğinz değer yanlış!");
        EXPECT_EQ(view.Icon, IDI_HAND);
        // Loaded at the size of the dialog's scale, not stretched from the system's.
        EXPECT_EQ(view.IconWidth, view.IconPlaceWidth);
        EXPECT_EQ(view.Buttons, std::vector<std::wstring>{L"Tamam"});
        EXPECT_EQ(view.Result, mrOk) << "key " << key;
    }
}

TEST_F(DialogsTest, MessageTypesAndButtonSets) {
    const struct {
        TMsgDlgType Type;
        TMsgDlgButtons Buttons;
        WORD Key;
        std::wstring Caption;
        const wchar_t* Icon;
        std::vector<std::wstring> Captions;
        int Result;
    } cases[] = {
        {TMsgDlgType::mtWarning,
         MsgDlgButton(mbOK),
         VK_RETURN,
         L"Dikkat",
         IDI_EXCLAMATION,
         {L"Tamam"},
         mrOk},
        {TMsgDlgType::mtInformation,
         MsgDlgButton(mbOK),
         VK_ESCAPE,
         L"Bilgi",
         IDI_ASTERISK,
         {L"Tamam"},
         mrOk},
        {TMsgDlgType::mtConfirmation,
         MsgDlgButton(mbCancel) | MsgDlgButton(mbNo) | MsgDlgButton(mbYes),
         VK_ESCAPE,
         L"Onay",
         IDI_QUESTION,
         {L"&Evet", L"&Hayır", L"Vazgeç"},
         mrCancel},
        {TMsgDlgType::mtConfirmation,
         MsgDlgButton(mbYes) | MsgDlgButton(mbNo),
         VK_RETURN,
         L"Onay",
         IDI_QUESTION,
         {L"&Evet", L"&Hayır"},
         mrYes},
        {TMsgDlgType::mtConfirmation,
         MsgDlgButton(mbYes) | MsgDlgButton(mbNo),
         VK_ESCAPE,
         L"Onay",
         IDI_QUESTION,
         {L"&Evet", L"&Hayır"},
         mrNo},
        {TMsgDlgType::mtCustom,
         MsgDlgButton(mbOK),
         VK_RETURN,
         L"Velkaro",
         nullptr,
         {L"Tamam"},
         mrOk},
    };
    for (const auto& c : cases) {
        const TMessageView view = ShowMessage(L"Emin misiniz?", c.Type, c.Buttons, c.Key);
        EXPECT_EQ(view.Caption, c.Caption);
        EXPECT_EQ(view.Icon, c.Icon) << static_cast<int>(c.Type);
        EXPECT_EQ(view.Buttons, c.Captions);
        EXPECT_EQ(view.Result, c.Result) << view.Caption;
    }
}

TEST_F(DialogsTest, MessageIsLaidOutInTheUnitsOfTheMessageFont) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    const TGdiObject<HFONT> messageFont(CreateFontIndirectW(&metrics.lfMessageFont));
    const TDialogUnits units = AverageCharSize(messageFont.Handle(), SystemPixelsPerInch());
    const int captionWidth =
        TMeasureCanvas(messageFont.Handle()).TextRect(L"Tamam", 0, DT_LEFT | DT_SINGLELINE).cx;

    const TMessageView view = ShowMessage(L"Girdiğinz değer yanlış!", TMsgDlgType::mtError,
                                          MsgDlgButton(mbOK), VK_RETURN);
    const RECT button = view.ButtonBounds.at(0);
    const TMessageLayout layout =
        LayoutMessageDialog(units, view.TextBounds.right - view.TextBounds.left,
                            view.TextBounds.bottom - view.TextBounds.top, true, {captionWidth});
    EXPECT_EQ(view.Client.right, layout.ClientWidth);
    EXPECT_EQ(view.Client.bottom, layout.ClientHeight);
    EXPECT_EQ(view.TextBounds.left, layout.Message.Left);
    EXPECT_EQ(view.TextBounds.top, layout.Message.Top);
    EXPECT_EQ(
        (TBounds{button.left, button.top, button.right - button.left, button.bottom - button.top}),
        layout.Buttons.at(0));
}

TEST_F(DialogsTest, CtrlCCopiesCaptionMessageAndButtons) {
    SetClipboardText(L"önceki");
    const TWindowAnswer answer(L"TMessageForm", [](HWND dialog) {
        const HWND focus = GetFocus();
        HoldControlKey(true);
        PostKey(focus, 'C');
        PostMessageW(dialog, WM_NULL, 0, 0);
        SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR timer, DWORD) {
            KillTimer(nullptr, timer);
            HoldControlKey(false);
            PostKey(GetFocus(), VK_ESCAPE);
        });
    });
    EXPECT_EQ(MessageDlg(L"Kaydetmek ister misiniz?", TMsgDlgType::mtConfirmation,
                         MsgDlgButton(mbYes) | MsgDlgButton(mbNo) | MsgDlgButton(mbCancel), 0),
              mrCancel);
    const std::wstring dashes = L"---------------------------\r\n";
    EXPECT_EQ(ClipboardText(), dashes + L"Onay\r\n" + dashes + L"Kaydetmek ister misiniz?\r\n" +
                                   dashes + L"Evet   Hayır   Vazgeç   \r\n" + dashes);
    EXPECT_TRUE(ReportedErrors().empty());
}

// The UI-state changes asked of the windows of this thread while it lives, in order.
class TUiStateWatch {
public:
    struct TChange {
        HWND Window;
        WPARAM Change; // MAKEWPARAM(action, flags)
    };
    TUiStateWatch()
        : hook_(SetWindowsHookExW(WH_CALLWNDPROC, Called, nullptr, GetCurrentThreadId())) {
        changes_.clear();
    }
    ~TUiStateWatch() { UnhookWindowsHookEx(hook_); }
    TUiStateWatch(const TUiStateWatch&) = delete;
    TUiStateWatch& operator=(const TUiStateWatch&) = delete;

    static std::vector<WPARAM> Of(HWND window) {
        std::vector<WPARAM> asked;
        for (const TChange& change : changes_) {
            if (change.Window == window) {
                asked.push_back(change.Change);
            }
        }
        return asked;
    }

private:
    static LRESULT CALLBACK Called(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && call->message == WM_CHANGEUISTATE) {
            changes_.push_back({call->hwnd, call->wParam});
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline std::vector<TChange> changes_;
    HHOOK hook_;
};

// A native dialog hides the focus rectangle until the keyboard is used, unless the keyboard
// cues setting is on, and shows it from the first Tab on: the dialog manager asks the dialog for
// WM_CHANGEUISTATE with UIS_CLEAR and UISF_HIDEFOCUS, and Windows' DefWindowProc passes the new
// state to every child (WM_UPDATEUISTATE), whose buttons then draw it. Wine 8 keeps no UI state
// (WM_QUERYUISTATE answers 0 whatever was asked, and its buttons always draw the rectangle), so
// what the dialogs ask for is watched.
TEST_F(DialogsTest, TabShowsTheFocusRectangleOnTheButtonItReaches) {
    const auto message = [] {
        MessageDlg(L"Girdiğinz değer yanlış!", TMsgDlgType::mtError, MsgDlgButton(mbOK), 0);
    };
    const auto prompt = [] { InputBox(L"Fiyat", L"Birinci fiyat", L"0"); };
    const WPARAM hidden = MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS);
    const WPARAM shown = MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS);
    const struct {
        const char* Name;
        const wchar_t* ClassName;
        std::function<void()> Open;
        BOOL KeyboardCues;
        WPARAM Opened;
    } dialogs[] = {
        {"the message dialog, whose Tab stays on Tamam", L"TMessageForm", message, FALSE, hidden},
        {"the prompt, whose Tab goes from the edit to Tamam", L"TInputQueryForm", prompt, FALSE,
         hidden},
        {"the message dialog with the cues always shown", L"TMessageForm", message, TRUE, shown},
    };
    BOOL keyboardCues = FALSE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &keyboardCues, 0);
    for (const auto& dialog : dialogs) {
        SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(dialog.KeyboardCues),
                              0);
        const TUiStateWatch watch;
        std::vector<WPARAM> opened, tabbed;
        bool reached = false;
        const TWindowAnswer answer(dialog.ClassName, [&](HWND window) {
            opened = TUiStateWatch::Of(window);
            TypeChord({VK_TAB});
            reached = GetFocus() == ChildrenOf(window, L"TButton").at(0);
            tabbed = TUiStateWatch::Of(window);
            PostMessageW(window, WM_CLOSE, 0, 0);
        });
        dialog.Open();
        ASSERT_TRUE(answer.Answered()) << dialog.Name;
        EXPECT_EQ(opened, std::vector<WPARAM>{dialog.Opened}) << dialog.Name;
        EXPECT_TRUE(reached) << dialog.Name;
        ASSERT_FALSE(tabbed.empty()) << dialog.Name;
        EXPECT_EQ(tabbed.back(), shown) << dialog.Name;
    }
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(keyboardCues), 0);
}

TEST_F(DialogsTest, CtrlCWhileTheClipboardIsHeldElsewhereIsReportedAndTheDialogGoesOn) {
    std::atomic<bool> held = false, release = false;
    std::thread holder([&] {
        held = OpenClipboard(nullptr) != FALSE;
        while (!release) {
            Sleep(5);
        }
        CloseClipboard();
    });
    while (!held) {
        Sleep(5);
    }
    const TWindowAnswer answer(L"TMessageForm", [](HWND) {
        HoldControlKey(true);
        PostKey(GetFocus(), 'C');
        SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR timer, DWORD) {
            KillTimer(nullptr, timer);
            HoldControlKey(false);
            PostKey(GetFocus(), VK_RETURN);
        });
    });
    EXPECT_EQ(MessageDlg(L"Girdiğinz değer yanlış!", TMsgDlgType::mtError, MsgDlgButton(mbOK), 0),
              mrOk);
    release = true;
    holder.join();
    EXPECT_EQ(ReportedErrors(), std::vector<std::wstring>{L"Pano açılamıyor."});
}

} // namespace
} // namespace velkaro::test
