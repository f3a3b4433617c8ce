// The start-time field under real keys, clicks and the clipboard, on a shown form.
#include "editors/cxMaskEdit/cxMaskEdit.h"
#include "framework/Application.h"
#include "framework/Clipboard.h"
#include "runtime/Utf.h"
#include "tests/support/KeyScript.h"
#include "tests/support/StartTimeTyping.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <string>

namespace velkaro::test {
namespace {

constexpr const wchar_t* kStartTimeMask = L"!90:00;1;_";

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The start-time field as the main window sets it up, and a second edit to leave it for.
class TimeForm {
public:
    TimeForm() : Time(&Form), Other(&Form) {
        Form.SetClientSize(300, 100);
        Time.SetBounds(10, 10, 150, 21);
        Other.SetBounds(10, 50, 150, 21);
        auto& properties = Time.Properties();
        properties.SetEditMask(kStartTimeMask);
        properties.SetBeepOnError(true);
        properties.Alignment().SetHorz(taCenter);
        properties.Alignment().SetVert(taVCenter);
        Time.SetText(L"00:00");
        Time.OnKeyPress = [this](TObject*, wchar_t& key) {
            if (key == L'\r') {
                enterTexts.push_back(Time.Text());
            }
        };
        Form.Show();
        Time.SetFocus();
        Application().ProcessMessages();
    }

    HWND Inner() const { return Time.InnerEdit()->Control().Handle(); }
    std::wstring Display() const { return WindowText(Inner()); }
    std::pair<int, int> Selection() const {
        DWORD start = 0, end = 0;
        SendMessageW(Inner(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end - start)};
    }

    // A left click just right of the character boundary before the position.
    void Click(int position) {
        RECT client;
        GetClientRect(Inner(), &client);
        // There is no character at the end: a click right of the text lands there.
        const LRESULT at = SendMessageW(Inner(), EM_POSFROMCHAR, position, 0);
        const int x = at == -1 ? client.right - 2 : LOWORD(at) + 1;
        const LPARAM point = MAKELPARAM(x, client.bottom / 2);
        PostMessageW(Inner(), WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageW(Inner(), WM_LBUTTONUP, 0, point);
        Application().ProcessMessages();
    }

    void Run(std::wstring_view script) {
        for (const ScriptKey& key : ParseKeyScript(script)) {
            if (key.key == 0) {
                TypeText(std::wstring(1, key.character));
            } else {
                PressKey(key.key, key.shift);
            }
        }
    }

    TForm Form;
    TcxMaskEdit Time;
    TcxTextEdit Other;
    std::vector<std::wstring> enterTexts;
};

using MaskEditTest = ApplicationTest;

TEST_F(MaskEditTest, StartsAsTheMainWindowSetsItUp) {
    TimeForm form;
    EXPECT_EQ(form.Time.Text(), L"00:00");
    EXPECT_EQ(form.Display(), L"00:00");
    EXPECT_EQ(form.Time.EditValue(), Variant(L"00:00"));
    EXPECT_EQ(form.Selection(), std::make_pair(0, 5)); // entry selects everything
    wchar_t className[32] = {};
    GetClassNameW(form.Time.Handle(), className, 32);
    EXPECT_STREQ(className, L"TcxMaskEdit");
}

TEST_F(MaskEditTest, TypingTheStartTime) {
    for (const auto& c : kStartTimeTyping) {
        SCOPED_TRACE(c.name);
        TBeepCounter beeps;
        TimeForm form;
        form.Time.SetText(c.start);
        form.Time.SelectAll();
        if (c.click) {
            form.Click(*c.click);
        }
        form.Run(c.keys);
        EXPECT_EQ(ToUtf8(form.Display()), ToUtf8(c.display));
        EXPECT_EQ(ToUtf8(form.Time.Text()), ToUtf8(c.text));
        EXPECT_EQ(ToUtf8(WindowText(form.Time.Handle())), ToUtf8(c.text));
        EXPECT_EQ(form.Selection(), std::make_pair(c.selStart, c.selLength));
        EXPECT_EQ(beeps.Count(), c.beeps);
        EXPECT_EQ(form.Time.IsTextValid(form.Display()), c.valid);
    }
    EXPECT_TRUE(ReportedErrors().empty());
}

TEST_F(MaskEditTest, EnterValidatesAndStillReachesOnKeyPress) {
    struct EnterCase {
        const wchar_t* keys;
        bool ignoreMaskBlank;
        const wchar_t* error;
    };
    const EnterCase cases[] = {
        {L"{Home}0930", false, nullptr},
        {L"{Home}{Del}", false, nullptr},
        {L"{End}{BS}", false, L"The edit value is invalid."},
        {L"{Del}", false, L"The edit value is invalid."},
        {L"{Del}", true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.keys));
        ReportedErrors().clear();
        TBeepCounter beeps;
        TimeForm form;
        form.Time.Properties().SetIgnoreMaskBlank(c.ignoreMaskBlank);
        form.Run(c.keys);
        const std::wstring typed = form.Time.Text();
        form.Run(L"{Enter}");
        ASSERT_EQ(form.enterTexts.size(), 1u);
        EXPECT_EQ(form.enterTexts[0], typed);
        if (c.error == nullptr) {
            EXPECT_TRUE(ReportedErrors().empty());
            EXPECT_EQ(form.Time.EditValue(), Variant(typed));
        } else {
            ASSERT_EQ(ReportedErrors().size(), 1u);
            EXPECT_EQ(ReportedErrors()[0], c.error);
            EXPECT_EQ(beeps.Count(), 1); // the error's beep
            EXPECT_EQ(form.Time.EditValue(), Variant(L"00:00"));
        }
    }
}

TEST_F(MaskEditTest, PasteAndCutThroughTheKeyboard) {
    struct ClipboardCase {
        const wchar_t* clipboard;
        int click;
        const wchar_t* keys;
        const wchar_t* display;
        const wchar_t* text;
        const wchar_t* clipboardAfter;
    };
    const ClipboardCase cases[] = {
        {L"12:34", 0, L"", L"12:34", L"12:34", L"12:34"},
        {L"1234", 0, L"", L"12340", L"12:34", L"1234"},
        {L"", 1, L"{S-Right}{S-Right}", L"0_:_0", L"0 : 0", L"0:0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.clipboard));
        TimeForm form;
        form.Time.SetText(L"00:00");
        form.Click(c.click);
        form.Run(c.keys);
        if (*c.clipboard != L'\0') {
            SetClipboardText(c.clipboard);
            PressKey('V', ssCtrl);
        } else {
            PressKey('X', ssCtrl);
        }
        EXPECT_EQ(form.Display(), c.display);
        EXPECT_EQ(form.Time.Text(), c.text);
        EXPECT_EQ(GetClipboardText().value_or(L""), c.clipboardAfter);
    }
}

TEST_F(MaskEditTest, ClearMessageDeletesAsTheTextEditDoes) {
    TimeForm form;
    form.Time.SetText(L"09:30");
    form.Click(1);
    SendMessageW(form.Inner(), WM_CLEAR, 0, 0);
    EXPECT_EQ(form.Display(), L"0:30");
    EXPECT_EQ(form.Time.Text(), L"03:0 ");
}

TEST_F(MaskEditTest, EscapeReturnsToTheValueAtEntry) {
    TimeForm form;
    form.Run(L"{Home}12{Esc}");
    EXPECT_EQ(form.Display(), L"00:00");
    EXPECT_EQ(form.Time.Text(), L"00:00");
    EXPECT_EQ(form.Selection(), std::make_pair(0, 5));
    EXPECT_FALSE(form.Time.TextModified());
}

TEST_F(MaskEditTest, MaskOfSpacesIsAPlainTextEdit) {
    TBeepCounter beeps;
    TimeForm form;
    form.Time.Properties().SetEditMask(L"   ");
    form.Time.SetText(L"");
    form.Run(L"ab:c");
    EXPECT_EQ(form.Display(), L"ab:c");
    EXPECT_EQ(form.Time.Text(), L"ab:c");
    EXPECT_EQ(form.Selection(), std::make_pair(4, 0));
    EXPECT_EQ(beeps.Count(), 0);
}

TEST_F(MaskEditTest, ChangingTheMaskRefitsTypedText) {
    TimeForm form;
    form.Run(L"{Home}12");
    form.Time.Properties().SetEditMask(L"00:00:00");
    EXPECT_EQ(form.Display(), L"12:00:__");
    EXPECT_EQ(form.Time.Text(), L"12:00:  ");
    form.Run(L"{End}{Left}45");
    EXPECT_EQ(form.Display(), L"12:00:_4");
}

TEST_F(MaskEditTest, UnfocusedFieldShowsSpacesUnlessAskedForBlanks) {
    TimeForm form;
    form.Run(L"{Home}{Del}");
    EXPECT_EQ(form.Display(), L"_0:00");
    form.Other.SetFocus();
    Application().ProcessMessages();
    EXPECT_EQ(form.Time.Text(), L" 0:00");
    EXPECT_EQ(WindowText(form.Inner()), L" 0:00");
    form.Time.Properties().SetShowBlanksUnfocused(true);
    EXPECT_EQ(WindowText(form.Inner()), L"_0:00");
    EXPECT_EQ(form.Time.Text(), L" 0:00");
}

TEST_F(MaskEditTest, ReadOnlyFieldSwallowsEditingWithoutABeep) {
    TBeepCounter beeps;
    TimeForm form;
    form.Time.Properties().SetReadOnly(true);
    form.Time.SetText(L"09:30");
    form.Click(0);
    form.Run(L"5{Del}{BS}a");
    EXPECT_EQ(form.Display(), L"09:30");
    EXPECT_EQ(beeps.Count(), 0);
    form.Run(L"{Right}");
    EXPECT_EQ(form.Selection(), std::make_pair(1, 1)); // the caret still moves
}

TEST_F(MaskEditTest, EchoModeChangeKeepsCaretAndSelection) {
    TimeForm form;
    form.Time.SetText(L"09:30");
    form.Click(3);
    form.Time.Properties().SetEchoMode(eemPassword);
    EXPECT_EQ(form.Selection(), std::make_pair(3, 1));
    EXPECT_EQ(SendMessageW(form.Inner(), EM_GETPASSWORDCHAR, 0, 0), L'*');
    form.Run(L"5");
    EXPECT_EQ(form.Time.Text(), L"09:50");
}

TEST_F(MaskEditTest, FormLoadingShowsTheLoadedText) {
    TForm form;
    TcxMaskEdit edit(&form);
    edit.BeginLoad();
    edit.Properties().SetEditMask(kStartTimeMask);
    edit.SetText(L"0930");
    edit.EndLoad();
    form.Show();
    Application().ProcessMessages();
    EXPECT_EQ(edit.Text(), L"09:30");
    EXPECT_EQ(WindowText(edit.InnerEdit()->Control().Handle()), L"09:30");
    EXPECT_EQ(edit.EditValue(), Variant(L"09:30"));
}

TEST_F(MaskEditTest, RegularExpressionKindTypesFreelyAndValidatesTheWholeText) {
    TBeepCounter beeps;
    TimeForm form;
    auto& properties = form.Time.Properties();
    properties.SetMaskKind(emkRegExpr);
    EXPECT_EQ(properties.EditMask(), L""); // a standard mask means nothing to an expression
    properties.SetEditMask(L"[0-2]?\\d:[0-5]\\d");
    EXPECT_THROW(properties.SetEditMask(L"(\\d"), EcxMaskEditError);
    EXPECT_EQ(properties.EditMask(), L"[0-2]?\\d:[0-5]\\d");
    form.Time.SelectAll();
    form.Run(L"7:5x{Enter}");
    EXPECT_EQ(form.Display(), L"7:5x");
    EXPECT_EQ(form.Time.Text(), L"7:5x");
    ASSERT_EQ(ReportedErrors().size(), 1u);
    EXPECT_EQ(ReportedErrors()[0], L"The edit value is invalid.");
    form.Run(L"{End}{BS}9{Enter}");
    EXPECT_EQ(ReportedErrors().size(), 1u);
    EXPECT_EQ(form.Time.EditValue(), Variant(L"7:59"));
    EXPECT_EQ(beeps.Count(), 1);
}

// A long text set by code, then typed into: Enter validates all of it.
TEST_F(MaskEditTest, AnExpressionDecidesALongTypedText) {
    const std::wstring digits(20'000, L'7');
    for (const wchar_t* typed : {L"7", L"x"}) {
        ReportedErrors().clear();
        TimeForm form;
        form.Time.Properties().SetMaskKind(emkRegExpr);
        form.Time.Properties().SetEditMask(L"[0-9]+");
        form.Time.SetText(digits);
        form.Run(std::wstring(L"{End}") + typed + L"{Enter}");
        const std::wstring text = digits + typed;
        EXPECT_EQ(form.Time.Text(), text);
        if (*typed == L'7') {
            EXPECT_TRUE(ReportedErrors().empty());
            EXPECT_EQ(form.Time.EditValue(), Variant(text));
        } else {
            EXPECT_EQ(ReportedErrors(), std::vector<std::wstring>{L"The edit value is invalid."});
        }
    }
}

// Masks whose blank a position takes: the field tells a typed blank from an unfilled position.
TEST_F(MaskEditTest, APositionIsFilledOnlyByWhatWasEntered) {
    struct FilledCase {
        const wchar_t* mask;
        const wchar_t* value; // written by code before the field is entered
        const wchar_t* keys;
        const wchar_t* display;
        const wchar_t* text;
        bool valid;
        const wchar_t* clipboard = L"";
        bool ignoreMaskBlank = false;
    };
    const FilledCase cases[] = {
        {L"00;1;0", L"  ", L"", L"00", L"  ", false},
        {L"00;1;0", L"  ", L"1{BS}", L"00", L"  ", false},
        {L"00;1;0", L"  ", L"00", L"00", L"00", true},
        {L"00;1;0", L"  ", L"10{BS}{BS}0", L"00", L"0 ", false},
        {L"00;1;0", L"  ", L"{C-V}", L"00", L"00", true, L"00"},
        {L"00;1;0", L"00", L"{C-V}", L" 5", L" 5", false, L" 5"},
        {L"00;1;0", L"00", L"{C-X}", L"00", L" 0", false},
        {L"00;1;0", L"  ", L"00{C-Z}", L"00", L"00", true},
        {L"00;1;0", L"  ", L"00{Esc}", L"00", L"  ", false},
        {L"00;1;0", L"00", L"{Del}{Esc}", L"00", L"00", true},
        {L"00;1;0", L"0 ", L"", L"00", L"0 ", false},
        {L"00;1;0", L"  ", L"1{BS}", L"00", L"  ", true, L"", true},
        {L"00;1;0", L"  ", L"0", L"00", L"0 ", false, L"", true},
        {L"9-L;1;9", L" - ", L"{Right}x", L"9-x", L" -x", true},
        {L"9-L;1;9", L" - ", L"9x", L"9-x", L"9-x", true},
        {L"9-L;1;L", L" - ", L"5", L"5-L", L"5- ", false},
        {L"9-L;1;L", L" - ", L"5L", L"5-L", L"5-L", true},
        {L"#;1;+", L" ", L"+", L"+", L"+", true},
        {L"AA;1;a", L"  ", L"a", L"aa", L"a ", false},
        {L"AA;1;a", L"  ", L"aa", L"aa", L"aa", true},
        // Where any character goes, a blank or a space is content and reads as a space.
        {L"CC", L"  ", L"", L"  ", L"  ", true},
        {L"CC", L"  ", L"__", L"__", L"  ", true},
        {L"CCCC;1;_", L"ab  ", L"{Right}{Right}c", L"abc ", L"abc ", true},
        {L"CCCC;1;_", L"    ", L"a b", L"a b ", L"a b ", true},
        {L"CCCC;1;_", L"    ", L"ab c{Tab}{S-Tab}{End}{Left}d", L"ab d", L"ab d", true},
        {L"CCCC;1;_", L"abcd", L"{End}{BS}{BS}{BS}{BS}", L"____", L"    ", true},
        {L"0-0;0;0", L"  ", L"00", L"0-0", L"00", true},
        {L"0-0;0;0", L"  ", L"{Right}5", L"0-5", L" 5", false},
        {kStartTimeMask, L"00:00", L"{Del}", L"_0:00", L" 0:00", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << ToUtf8(c.mask) << " [" << ToUtf8(c.value) << "] " << ToUtf8(c.keys));
        ReportedErrors().clear();
        TimeForm form;
        form.Time.Properties().SetEditMask(c.mask);
        form.Time.Properties().SetIgnoreMaskBlank(c.ignoreMaskBlank);
        form.Time.SetEditValue(Variant(c.value));
        // Entered anew, so that Escape returns to the value written.
        form.Other.SetFocus();
        Application().ProcessMessages();
        form.Time.SetFocus();
        Application().ProcessMessages();
        form.Click(0);
        SetClipboardText(c.clipboard);
        form.Run(c.keys);
        EXPECT_EQ(ToUtf8(form.Display()), ToUtf8(c.display));
        EXPECT_EQ(ToUtf8(form.Time.Text()), ToUtf8(c.text));
        EXPECT_EQ(form.Time.IsTextValid(form.Display()), c.valid);
        // Enter validates only a text the user changed.
        const bool validated = form.Time.TextModified();
        form.Run(L"{Enter}");
        if (c.valid || !validated) {
            EXPECT_TRUE(ReportedErrors().empty());
            EXPECT_EQ(ToUtf8(form.Time.EditValue().ToString()),
                      ToUtf8(validated ? c.text : c.value));
        } else {
            EXPECT_EQ(ReportedErrors(), std::vector<std::wstring>{L"The edit value is invalid."});
        }
    }
}

TEST_F(MaskEditTest, ALimitAssignedUnderTheMaskCutsNoPaste) {
    TimeForm form;
    TcxTextEditProperties limited;
    limited.SetMaxLength(3);
    form.Time.Properties().Assign(limited);
    EXPECT_EQ(form.Time.Properties().MaxLength(), 0);
    form.Click(0);
    SetClipboardText(L"12:34");
    PressKey('V', ssCtrl);
    EXPECT_EQ(form.Display(), L"12:34");
}

TEST_F(MaskEditTest, KindAndMaskChangedTogetherBothTakeEffect) {
    TimeForm form;
    auto& properties = form.Time.Properties();
    properties.HoldChanges();
    properties.SetMaskKind(emkRegExprEx);
    properties.SetEditMask(L"\\d+");
    properties.ReleaseChanges();
    EXPECT_EQ(properties.EditMask(), L"\\d+");
    EXPECT_EQ(form.Time.Mode().GetMaskKind(), emkRegExprEx);
    EXPECT_EQ(form.Time.Mode().MaskText(), L"\\d+");
    properties.SetMaskKind(emkStandard);
    EXPECT_EQ(properties.EditMask(), L"");
    EXPECT_EQ(form.Time.Mode().GetMaskKind(), emkStandard);
}

TEST_F(MaskEditTest, DraggingSelectsAndTheBlockReturnsAtTheCaret) {
    TimeForm form;
    form.Time.SetText(L"12:34");
    const HWND inner = form.Inner();
    RECT client;
    GetClientRect(inner, &client);
    const auto at = [&](int position) {
        return MAKELPARAM(LOWORD(SendMessageW(inner, EM_POSFROMCHAR, position, 0)) + 1,
                          client.bottom / 2);
    };
    PostMessageW(inner, WM_LBUTTONDOWN, MK_LBUTTON, at(1));
    PostMessageW(inner, WM_MOUSEMOVE, MK_LBUTTON, at(4));
    PostMessageW(inner, WM_LBUTTONUP, 0, at(4));
    Application().ProcessMessages();
    EXPECT_EQ(form.Selection(), std::make_pair(1, 3));
    form.Run(L"9");
    EXPECT_EQ(form.Display(), L"19:34");
    EXPECT_EQ(form.Selection(), std::make_pair(3, 1));
}

} // namespace
} // namespace velkaro::test
