#include "framework/Canvas.h"
#include "framework/Form.h"
#include "framework/StdCtrls.h"
#include "tests/windows/support/WindowDriver.h"
#include "tests/windows/support/AccessibleReader.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <type_traits>
#include <vector>

namespace velkaro::test {
namespace {

class StdCtrlsTest : public ::testing::Test {
protected:
    void SetUp() override { StartApplication(); }
};

// A form with an edit, an OK button (default) and a Cancel button (cancel), of either kind.
template <class Button> struct TButtonForm {
    TForm Form;
    TEdit Edit{&Form};
    Button Ok{&Form};
    Button Cancel{&Form};
    int OkClicks = 0;

    TButtonForm() {
        Form.SetClientSize(200, 100);
        Ok.SetBounds(10, 40, 75, 25);
        Ok.SetCaption(L"Tamam");
        Ok.SetDefault(true);
        Ok.SetModalResult(mrOk);
        Ok.OnClick = [this](TObject*) { ++OkClicks; };
        Cancel.SetBounds(100, 40, 75, 25);
        Cancel.SetCaption(L"Vazgeç");
        Cancel.SetCancel(true);
        Cancel.SetModalResult(mrCancel);
    }

    int ShowAnswering(std::function<void(HWND)> action) {
        const TWindowAnswer answer(L"TForm", std::move(action));
        return Form.ShowModal();
    }
};

// The colour a control paints at a point of its client area.
COLORREF PaintedPixel(TControl& control, int x, int y) {
    const TMemoryDC memory;
    const TGdiObject<HBITMAP> bitmap(
        CreateCompatibleBitmap(TClientDC().Handle(), control.Width(), control.Height()));
    const TSelection selected(memory.Handle(), bitmap.Handle());
    const RECT all = {0, 0, control.Width(), control.Height()};
    FillRect(memory.Handle(), &all,
             static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH))); // what was there
    SendMessageW(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Handle()),
                 PRF_CLIENT);
    return GetPixel(memory.Handle(), x, y);
}

template <class Button> void CheckButtonKeysAndClicks(const wchar_t* className) {
    const struct {
        const char* Name;
        std::function<HWND(TButtonForm<Button>&)> Target; // where the key goes
        WORD Key;
        int Result;
    } keys[] = {
        {"Enter in the edit presses the default button",
         [](TButtonForm<Button>& f) { return f.Edit.Handle(); }, VK_RETURN, mrOk},
        {"Esc in the edit presses the cancel button",
         [](TButtonForm<Button>& f) { return f.Edit.Handle(); }, VK_ESCAPE, mrCancel},
        {"Enter on a focused button presses that button",
         [](TButtonForm<Button>& f) {
             f.Cancel.SetFocus();
             return f.Cancel.Handle();
         },
         VK_RETURN, mrCancel},
    };
    for (const auto& k : keys) {
        TButtonForm<Button> f;
        EXPECT_EQ(f.ShowAnswering([&](HWND) { PostKey(k.Target(f), k.Key); }), k.Result)
            << className << ": " << k.Name;
        EXPECT_EQ(f.OkClicks, k.Result == mrOk ? 1 : 0) << className << ": " << k.Name;
    }

    TButtonForm<Button> f;
    COLORREF corner = CLR_INVALID;
    EXPECT_EQ(f.ShowAnswering([&](HWND) {
        corner = PaintedPixel(f.Ok, 0, 0);
        PostMessageW(f.Ok.Handle(), BM_CLICK, 0, 0);
    }),
              mrOk);
    if constexpr (std::is_same_v<Button, TBitBtn>) {
        EXPECT_EQ(corner, RGB(0, 0, 0)) << "the owner-drawn default button's dark frame";
    }
    EXPECT_EQ(f.OkClicks, 1);
    EXPECT_EQ(ChildrenOf(f.Form.Handle(), className).size(), 2u);
    EXPECT_EQ(TextOf(f.Ok.Handle()), L"Tamam");
    EXPECT_FALSE(IsWindowVisible(f.Form.Handle())) << "a closed modal form is hidden";
}

TEST_F(StdCtrlsTest, ButtonsAnswerEnterEscAndClicksWithTheirResults) {
    CheckButtonKeysAndClicks<TButton>(L"TButton");
    CheckButtonKeysAndClicks<TBitBtn>(L"TBitBtn");
}

TEST_F(StdCtrlsTest, EditLimitsAndRefusesTyping) {
    TForm form;
    TEdit edit(&form);
    edit.SetMaxLength(3);
    form.HandleNeeded();
    for (wchar_t key : {L'1', L'2', L'3', L'4'}) {
        SendMessageW(edit.Handle(), WM_CHAR, key, 1);
    }
    EXPECT_EQ(edit.Text(), L"123");
    edit.SetReadOnly(true);
    SendMessageW(edit.Handle(), WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(edit.Text(), L"123");
    EXPECT_EQ(TextOf(edit.Handle()), L"123");
    EXPECT_GT(edit.Height(), edit.Font().Height());
}

// The dialog font as the system gives it: an outline face, so that every scale gets the height
// its layout measured (a bitmap face snaps to its few sizes), with every Turkish letter (a face in
// the letters of a code page that is not Turkish reads "bes" for "beş"). The heights are those
// the windows use at 96, 120, 144 and 192 pixels per inch.
TEST_F(StdCtrlsTest, TheDialogFontScalesToEveryHeightAndHasEveryTurkishLetter) {
    const std::wstring turkish = L"ğĞşŞıİçÇöÖüÜ";
    for (const int height : {11, 14, 16, 19, 21, 22, 24, 26, 29, 32, 38, 42}) {
        for (const TFontStyles style : {TFontStyles{0}, TFontStyles{fsBold}}) {
            TFont font;
            font.SetHeight(height);
            font.SetStyle(style);
            const TMeasureCanvas canvas(font.Handle());
            const TEXTMETRICW metrics = canvas.Metrics();
            EXPECT_NE(metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE), 0) << height;
            // Ascent and descent are rounded each on its own: a pixel either way.
            EXPECT_LE(std::abs(metrics.tmHeight - metrics.tmInternalLeading - height), 1) << height;
            std::vector<WORD> glyphs(turkish.size());
            GetGlyphIndicesW(canvas.Handle(), turkish.c_str(), static_cast<int>(turkish.size()),
                             glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
            EXPECT_EQ(std::count(glyphs.begin(), glyphs.end(), WORD{0xFFFF}), 0) << height;
        }
    }
}

// Moved to a monitor of one and a half times the scale, an edit that takes its form's font is as
// tall as the new font needs: its height follows the font and is not scaled once more.
TEST_F(StdCtrlsTest, EditOnAMonitorOfAnotherScaleFitsItsNewFont) {
    TForm form;
    TEdit edit(&form);
    const auto lineHeight = [&] {
        return static_cast<int>(TMeasureCanvas(edit.Font().Handle()).Metrics().tmHeight);
    };
    const int frame = edit.Height() - lineHeight();
    form.ChangeScale(144, 96);
    EXPECT_EQ(edit.Height(), lineHeight() + MulDiv(frame, 144, 96));
}

TEST_F(StdCtrlsTest, TransparentLabelShowsThePanelBehindIt) {
    TForm form;
    TPanel panel(&form);
    panel.SetBounds(0, 0, 100, 100);
    panel.SetColor(clRed);
    TLabel label(&panel);
    label.SetBounds(10, 10, 60, 30);
    label.SetColor(clWhite);
    form.HandleNeeded();
    EXPECT_EQ(PaintedPixel(label, 30, 15), RGB(255, 255, 255));
    label.SetTransparent(true);
    EXPECT_EQ(PaintedPixel(label, 30, 15), RGB(255, 0, 0));
}

TEST_F(StdCtrlsTest, LabelAnswersItsCaptionAndMeasuresWrappedText) {
    TForm form;
    TLabel label(&form);
    label.SetCaption(L"bir iki üç dört beş altı yedi sekiz");
    form.HandleNeeded();
    EXPECT_EQ(TextOf(label.Handle()), L"bir iki üç dört beş altı yedi sekiz");
    EXPECT_EQ(ChildrenOf(form.Handle(), L"TLabel").size(), 1u);

    const SIZE line = label.TextSize(0);
    EXPECT_EQ(label.TextSize(line.cx).cy, line.cy) << "unwrapped, one line";
    label.SetWordWrap(true);
    EXPECT_GE(label.TextSize(line.cx / 3).cy, 3 * line.cy);
    label.Font().SetHeight(22);
    EXPECT_GT(label.TextSize(0).cy, line.cy) << "measured with its own font";
}

TEST_F(StdCtrlsTest, LabelIsStaticTextNamedByItsCaptionAndAnnouncesANewOne) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    TForm form;
    TLabel label(&form);
    label.SetCaption(L"Toplam");
    form.Show();
    auto reading = ReadAccessible(label.Handle());
    ASSERT_TRUE(reading.has_value());
    EXPECT_EQ(reading->Role, ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(reading->Name, L"Toplam");
    EXPECT_NE(reading->State & STATE_SYSTEM_READONLY, 0);

    AccessibleEventRecorder events;
    label.SetCaption(L"Ara toplam");
    EXPECT_TRUE(events.Raised(EVENT_OBJECT_NAMECHANGE, label.Handle()));
    EXPECT_EQ(ReadAccessible(label.Handle())->Name, L"Ara toplam");
    CoUninitialize();
}

} // namespace
} // namespace velkaro::test
