// Every window the program shows, opened at 96, 120, 144 and 192 pixels per inch: each text fits
// the control that shows it, measured with that control's own font, and no two controls overlap.
// A process sees the display's scale it started with, so each scale runs in a process of its own.
#include "app/InputBoxPrompt.h"
#include "app/un_hakkinda.h"
#include "app/un_velkaro.h"
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/Edit.h"
#include "framework/Image.h"
#include "settings/RegistrySettingsKey.h"
#include "tests/windows/support/WindowDriver.h"
#include "tests/windows/support/DisplayScale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace velkaro::test {
namespace {

constexpr wchar_t kScaleVariable[] = L"VELKARO_TEST_PIXELS_PER_INCH";
const std::wstring kTestKey = L"Software\\Velkaro 2 Display Scale Test";

// The scale this process was started to check at, or 0 in the run that starts them.
int ScaleOfThisRun() {
    const wchar_t* value = _wgetenv(kScaleVariable);
    return value != nullptr ? _wtoi(value) : 0;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) {
        narrow += c < 128 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

RECT Moved(RECT rect, int x, int y) {
    OffsetRect(&rect, x, y);
    return rect;
}

int WidthOf(const RECT& rect) {
    return rect.right - rect.left;
}

int HeightOf(const RECT& rect) {
    return rect.bottom - rect.top;
}

// A text a control shows: the font and the DrawText flags it is drawn with, and where.
struct TShownText {
    std::wstring Text;
    HFONT Font = nullptr;
    UINT Flags = 0;
    RECT Area{};
};

// The size DrawText gives the text within the area's width.
SIZE MeasuredSize(const TShownText& shown) {
    return TMeasureCanvas(shown.Font).TextRect(shown.Text, WidthOf(shown.Area), shown.Flags);
}

// Native static text and buttons, as the system's message box makes them.
std::optional<TShownText> NativeText(HWND window, const RECT& client) {
    const std::wstring kind = ClassOf(window);
    auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (font == nullptr) {
        font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    }
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (_wcsicmp(kind.c_str(), L"Static") == 0) {
        const LONG_PTR type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP) {
            return std::nullopt; // an icon or a frame
        }
        return TShownText{TextOf(window), font,
                          DT_EXPANDTABS | (type == SS_LEFTNOWORDWRAP ? 0u : DT_WORDBREAK), client};
    }
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
        RECT inside = client;
        InflateRect(&inside, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
        return TShownText{TextOf(window), font, DT_SINGLELINE, inside};
    }
    return std::nullopt;
}

std::optional<TShownText> ShownText(HWND window) {
    const RECT client = ClientBounds(window);
    TControl* control = TControl::FromHandle(window);
    if (control == nullptr) {
        return NativeText(window, client);
    }
    if (control->Handle() != window) {
        return std::nullopt; // an edit's inner window: the edit's content, not a fixed text
    }
    if (auto* label = dynamic_cast<TLabel*>(control)) {
        return TShownText{label->Caption(), label->Font().Handle(),
                          DT_EXPANDTABS | (label->WordWrap() ? DT_WORDBREAK : 0u), client};
    }
    if (auto* label = dynamic_cast<TcxLabel*>(control)) {
        return TShownText{label->Caption(), label->Style().Font().Handle(),
                          label->Properties().WordWrap() ? UINT{DT_WORDBREAK} : UINT{DT_SINGLELINE},
                          client};
    }
    if (auto* radio = dynamic_cast<TcxRadioButton*>(control)) {
        return TShownText{radio->Caption(), radio->Font().Handle(), DT_SINGLELINE,
                          radio->CaptionRect(client)};
    }
    if (auto* button = dynamic_cast<TButton*>(control)) {
        RECT inside = client;
        InflateRect(&inside, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
        return TShownText{button->Caption(), button->Font().Handle(), DT_SINGLELINE, inside};
    }
    return std::nullopt;
}

// Where a child paints, in its parent's client coordinates: a transparent label only its text,
// anything else its whole window.
RECT PaintedArea(HWND child) {
    const RECT bounds = BoundsInParent(child);
    auto* label = dynamic_cast<TLabel*>(TControl::FromHandle(child));
    if (label == nullptr || !label->Transparent()) {
        return bounds;
    }
    const std::optional<TShownText> shown = ShownText(child);
    const SIZE text = MeasuredSize(*shown);
    int left = 0;
    if (label->Alignment() == TAlignment::taCenter) {
        left = (WidthOf(bounds) - text.cx) / 2;
    } else if (label->Alignment() == TAlignment::taRightJustify) {
        left = WidthOf(bounds) - text.cx;
    }
    return Moved({left, 0, left + text.cx, text.cy}, bounds.left, bounds.top);
}

std::vector<HWND> VisibleChildren(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) {
            children.push_back(child);
        }
    }
    return children;
}

std::string Describe(HWND window) {
    const std::wstring text = TextOf(window);
    return ClassOf(window) == L"TcxMaskEdit" || text.empty() ? Narrow(ClassOf(window))
                                                             : "\"" + Narrow(text) + "\"";
}

// Everything that does not read in full in the window and its children, one line each.
void CheckWindow(HWND window, const std::string& name, std::vector<std::string>& problems) {
    const RECT client = ClientBounds(window);
    const std::vector<HWND> children = VisibleChildren(window);
    for (std::size_t first = 0; first < children.size(); ++first) {
        const HWND child = children[first];
        const std::string where = name + ": " + Describe(child);
        const RECT bounds = BoundsInParent(child);
        RECT inside{};
        if (!IntersectRect(&inside, &bounds, &client) || !EqualRect(&inside, &bounds)) {
            problems.push_back(where + " reaches out of its parent");
        }
        if (const std::optional<TShownText> shown = ShownText(child)) {
            const SIZE text = MeasuredSize(*shown);
            if (text.cx > WidthOf(shown->Area) || text.cy > HeightOf(shown->Area)) {
                std::ostringstream line;
                line << where << ": text of " << text.cx << "x" << text.cy << " in "
                     << WidthOf(shown->Area) << "x" << HeightOf(shown->Area);
                problems.push_back(line.str());
            }
        }
        if (auto* image = dynamic_cast<TImage*>(TControl::FromHandle(child));
            image != nullptr && IconWidth(image->Icon()) != WidthOf(bounds)) {
            std::ostringstream text;
            text << where << ": an icon of " << IconWidth(image->Icon()) << " in "
                 << WidthOf(bounds); // stretched, and blurred, by the drawing
            problems.push_back(text.str());
        }
        if (auto* edit = dynamic_cast<TEdit*>(TControl::FromHandle(child))) {
            // A line of text, its frame and a little air: never a second line's worth.
            const int line =
                static_cast<int>(TMeasureCanvas(edit->Font().Handle()).Metrics().tmHeight);
            const RECT editClient = ClientBounds(child);
            if (HeightOf(editClient) < line || HeightOf(bounds) > 2 * line) {
                std::ostringstream text;
                text << where << ": an edit " << HeightOf(bounds) << " high for lines of " << line;
                problems.push_back(text.str());
            }
        }
        for (std::size_t second = first + 1; second < children.size(); ++second) {
            const RECT one = PaintedArea(child);
            const RECT other = PaintedArea(children[second]);
            RECT common{};
            if (IntersectRect(&common, &one, &other)) {
                problems.push_back(where + " overlaps " + Describe(children[second]));
            }
        }
        CheckWindow(child, name, problems);
    }
}

// The main window keeps its designed layout and fonts, scaled as they always were (the start
// field's height follows its font: it sizes itself).
void CheckMainWindowAsDesigned(Tfr_velkaro& window) {
    const int scale = window.PixelsPerInch();
    const auto scaled = [scale](int value) { return MulDiv(value, scale, 96); };
    const struct {
        const char* Name;
        TControl& Control;
        RECT Designed; // left, top, width, height
        int FontHeight, DesignedFontHeight;
    } controls[] = {
        {"tx_saat", window.tx_saat, {76, 0, 65, 0}, window.tx_saat.Style().Font().Height(), 21},
        {"lb_sure", window.lb_sure, {60, 36, 97, 17}, window.lb_sure.Style().Font().Height(), 11},
        {"lb_para", window.lb_para, {0, 88, 217, 49}, window.lb_para.Style().Font().Height(), 19},
        {"rb_fiyat1", window.rb_fiyat1, {4, 4, 69, 25}, window.rb_fiyat1.Font().Height(), 11},
        {"rb_fiyat2", window.rb_fiyat2, {144, 4, 69, 25}, window.rb_fiyat2.Font().Height(), 11},
        {"tx_para", window.tx_para, {16, 56, 189, 28}, window.tx_para.Style().Font().Height(), 16},
    };
    for (const auto& c : controls) {
        RECT bounds = BoundsInParent(c.Control.Handle());
        if (c.Designed.bottom == 0) {
            bounds.bottom = bounds.top;
        }
        const RECT expected = {scaled(c.Designed.left), scaled(c.Designed.top),
                               scaled(c.Designed.left) + scaled(c.Designed.right),
                               scaled(c.Designed.top) + scaled(c.Designed.bottom)};
        EXPECT_TRUE(EqualRect(&bounds, &expected))
            << c.Name << " " << bounds.left << "," << bounds.top << " "
            << bounds.right - bounds.left << "x" << bounds.bottom - bounds.top;
        EXPECT_EQ(c.FontHeight, scaled(c.DesignedFontHeight)) << c.Name;
    }
    const RECT client = ClientBounds(window.Handle());
    EXPECT_EQ(client.right, scaled(220));
    EXPECT_EQ(client.bottom, scaled(139));
}

// Checks each window when it shows and then lets it go on as the operator would.
class WindowsAtOneScale : public ::testing::Test {
protected:
    void SetUp() override {
        scale_ = ScaleOfThisRun();
        if (scale_ == 0) {
            GTEST_SKIP() << "runs in a process started at one scale";
        }
        BecomeScaleAware();
        Application().Initialize();
        Application().SetTitle(L"Velkaro");
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey.c_str());
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey.c_str()); }

    void Check(HWND window) {
        CheckWindow(window, Narrow(ClassOf(window)) + " \"" + Narrow(TextOf(window)) + "\"",
                    problems_);
        ++checked_;
    }

    // Runs the action, answering each window of the class that it opens after checking it.
    void Open(const std::wstring& className, const std::function<void()>& action,
              const std::function<void(HWND)>& answer, std::size_t expected = 1) {
        const TWindowAnswer answers(
            className,
            [&](HWND window) {
                Check(window);
                answer(window);
            },
            true);
        action();
        for (int round = 0; round < 200 && answers.Answers() < expected; ++round) {
            Application().ProcessMessages();
            Sleep(20);
        }
        EXPECT_EQ(answers.Answers(), expected) << Narrow(className);
    }

    int scale_ = 0;
    int checked_ = 0;
    std::vector<std::string> problems_;
};

TEST_F(WindowsAtOneScale, EveryTextFitsItsControlAndNoControlsOverlap) {
    ASSERT_EQ(SystemPixelsPerInch(), scale_) << "the display scale did not reach this process";
    Tfr_velkaro window(std::make_unique<RegistrySettingsKeys>(kTestKey),
                       std::make_unique<InputBoxPrompt>());

    // A first start: the three prompts, answered with prices whose words take two lines.
    std::vector<std::wstring> answers = {L"1100000", L"1500000", L"1000"};
    Open(
        L"TInputQueryForm", [&] { window.Show(); },
        [&](HWND prompt) {
            const HWND edit = ChildrenOf(prompt, L"TEdit").at(0);
            SetWindowTextW(edit, answers.front().c_str());
            answers.erase(answers.begin());
            PostKey(edit, VK_RETURN);
        },
        3);
    ASSERT_EQ(window.PixelsPerInch(), scale_);

    SYSTEMTIME now{};
    GetLocalTime(&now);
    const int start = (now.wHour * 60 + now.wMinute + 24 * 60 - 75) % (24 * 60);
    wchar_t startText[6];
    swprintf(startText, 6, L"%02d:%02d", start / 60, start % 60);
    window.tx_saat.SetText(startText);
    window.hesapla();
    ASSERT_FALSE(window.lb_para.Caption().empty());
    Check(window.Handle());
    CheckMainWindowAsDesigned(window);

    // The field's own error report: an unfilled start time confirmed with Enter.
    Open(
        L"#32770",
        [&] {
            const HWND field = GetFocus();
            PostKey(field, VK_DELETE);
            for (const wchar_t digit : std::wstring(L"123")) {
                PostMessageW(field, WM_CHAR, digit, 1);
            }
            PostKey(field, VK_RETURN);
        },
        [](HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); });

    window.tx_saat.SetText(L"99:99");
    Open(
        L"TMessageForm", [&] { window.hesapla(); },
        [](HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); });

    Open(
        L"Tfr_hakkinda", [&] { window.Hakknda1Click(nullptr); },
        [](HWND about) { PostMessageW(about, WM_CLOSE, 0, 0); });

    EXPECT_EQ(checked_, 7);
    std::string report;
    for (const std::string& problem : problems_) {
        report += problem + "\n";
    }
    EXPECT_TRUE(problems_.empty()) << "at " << scale_ << " pixels per inch:\n" << report;
}

// Starts this program at the scale, to run the check above; answers its exit code.
DWORD RunAtScale(int pixelsPerInch) {
    const DisplayScale scale(static_cast<DWORD>(pixelsPerInch));
    SetEnvironmentVariableW(kScaleVariable, std::to_wstring(pixelsPerInch).c_str());
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring command =
        std::wstring(L"\"") + path + L"\" --gtest_filter=WindowsAtOneScale.* --gtest_brief=1";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    for (HANDLE handle : {startup.hStdOutput, startup.hStdError}) {
        SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    }
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process) != FALSE;
    SetEnvironmentVariableW(kScaleVariable, nullptr);
    if (!started) {
        return GetLastError();
    }
    WaitForSingleObject(process.hProcess, 120000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

TEST(DisplayScales, EveryWindowReadsInFullAtEveryScale) {
    if (ScaleOfThisRun() != 0) {
        GTEST_SKIP() << "the run at one scale";
    }
    std::fflush(stdout);
    for (const int pixelsPerInch : {96, 120, 144, 192}) {
        EXPECT_EQ(RunAtScale(pixelsPerInch), 0u) << "at " << pixelsPerInch << " pixels per inch";
    }
}

} // namespace
} // namespace velkaro::test
