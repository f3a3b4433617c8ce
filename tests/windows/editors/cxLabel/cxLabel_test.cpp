#include "editors/cxLabel/cxLabel.h"

#include "framework/Application.h"
#include "framework/Edit.h"
#include "framework/Form.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/RealInput.h"
#include "tests/windows/support/WindowDriver.h"
#include "tests/windows/support/WindowLookup.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

constexpr TColor kFormColor = RGBColor(230, 240, 250);

// A label that counts how often its edit value is written.
class TCountingLabel : public TcxLabel {
public:
    using TcxLabel::TcxLabel;
    int ValueWrites = 0;

    void SetEditValue(const Variant& value) override {
        ++ValueWrites;
        TcxLabel::SetEditValue(value);
    }
};

// The main window's two labels, as the calculator sets them up, and an edit to focus.
struct TLabelForm {
    TForm Form;
    TEdit Edit{&Form};
    TCountingLabel Minutes{&Form};
    TcxLabel Words{&Form};
    int FormClicks = 0, MinutesClicks = 0;

    TLabelForm() {
        Form.SetClientSize(300, 140);
        Form.SetColor(kFormColor);
        Form.SetPosition(TFormPosition::poDesigned);
        Form.SetBounds(30, 30, Form.Width(), Form.Height());
        Form.OnClick = [this](TObject*) { ++FormClicks; };
        Edit.SetBounds(10, 100, 100, 21);
        Edit.SetTabStop(true);
        Setup(Minutes, 10, 10, 97, 17, 11);
        Setup(Words, 10, 40, 217, 49, 19);
        Words.Properties().SetWordWrap(true);
        Minutes.OnClick = [this](TObject*) { ++MinutesClicks; };
        Form.Show();
        Pump();
    }

    static void Setup(TcxLabel& label, int left, int top, int width, int height, int fontHeight) {
        label.SetAutoSize(false);
        label.SetBounds(left, top, width, height);
        label.Properties().Alignment().SetHorz(taCenter);
        label.Properties().Alignment().SetVert(taVCenter);
        TFont& font = label.Style().Font();
        font.SetName(kDialogFontName);
        font.SetHeight(fontHeight);
        font.SetColor(clBlue);
    }
};

// What DrawText makes of the caption at (x, y) on the colour, in the label's font and size.
TPixels DrawnText(TcxLabel& label, COLORREF background, int x, int y, UINT flags) {
    return test::DrawnText({label.Width(), label.Height()}, background,
                           label.Style().Font().Handle(), label.Caption(),
                           {{x, y, ColorToRGB(label.Style().Font().Color())}}, flags);
}

SIZE CaptionSize(TcxLabel& label) {
    return TextExtent(label.Style().Font().Handle(), label.Caption());
}

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override { StartApplication(); }
};

TEST_F(LabelTest, IsAFrameLessWindowOfItsOwnClassThatAnswersItsCaption) {
    TLabelForm form;
    form.Minutes.SetCaption(L"75 dak.");
    EXPECT_EQ(ClassOf(form.Minutes.Handle()), L"TcxLabel");
    EXPECT_EQ(TextOf(form.Minutes.Handle()), L"75 dak.");
    SendMessageW(form.Words.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"bin lira"));
    EXPECT_EQ(form.Words.Caption(), L"bin lira");
    EXPECT_EQ(form.Words.EditValue(), Variant(L"bin lira"));
    EXPECT_FALSE(form.Minutes.CanFocus());
    EXPECT_FALSE(form.Minutes.TabStop());

    TcxLabel fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 121);
    EXPECT_EQ(fresh.Height(), 21);
    EXPECT_TRUE(fresh.ParentColor());
    EXPECT_TRUE(fresh.AutoSize());
    EXPECT_EQ(fresh.Caption(), L"");
    EXPECT_FALSE(fresh.CaptionAssigned());
}

TEST_F(LabelTest, ACaptionDifferingOnlyInAsciiCaseIsTheSameCaption) {
    struct Case {
        const wchar_t* Next;
        const wchar_t* Shown;
        int Writes;
    };
    const Case cases[] = {
        {L"I\u015f\u0131k", L"I\u015f\u0131k", 1},
        {L"I\u015f\u0131k", L"I\u015f\u0131k", 1},           // the same text: nothing
        {L"i\u015f\u0131K", L"I\u015f\u0131k", 1},           // ASCII case only: nothing
        {L"\u0130\u015f\u0131k", L"\u0130\u015f\u0131k", 2}, // dotted capital I is another letter
        {L"", L"", 3},
    };
    TLabelForm form;
    for (const Case& c : cases) {
        form.Minutes.SetCaption(c.Next);
        EXPECT_EQ(form.Minutes.Caption(), c.Shown);
        EXPECT_EQ(form.Minutes.ValueWrites, c.Writes);
        EXPECT_TRUE(form.Minutes.CaptionAssigned());
    }
    EXPECT_TRUE(IsSameLabelCaption(L"75 DAK.", L"75 dak."));
    EXPECT_FALSE(IsSameLabelCaption(L"75 dak", L"75 dak."));
}

TEST_F(LabelTest, ShowsItsNameUntilACaptionIsAssigned) {
    TLabelForm form;
    TcxLabel label(&form.Form);
    label.SetName(L"lb_sure");
    EXPECT_EQ(label.Caption(), L"lb_sure");
    EXPECT_FALSE(label.CaptionAssigned());
    label.SetName(L"lb_dakika");
    EXPECT_EQ(label.Caption(), L"lb_dakika");
    label.SetCaption(L""); // as the form file stores it
    EXPECT_EQ(label.Caption(), L"");
    label.SetName(L"lb_para");
    EXPECT_EQ(label.Caption(), L"");
    EXPECT_EQ(TextOf(label.Handle()), L"");
}

TEST_F(LabelTest, TheAcceleratorFocusesTheFocusControlOrBeeps) {
    TLabelForm form;
    const TBeepCounter beeps;
    form.Minutes.SetCaption(L"&Dakika");
    form.Minutes.SetFocusControl(&form.Minutes); // itself: ignored
    EXPECT_EQ(form.Minutes.FocusControl(), nullptr);
    TypeChord({VK_MENU, 'D'}); // no focus control
    EXPECT_EQ(beeps.Count(), 1);

    form.Minutes.SetFocusControl(&form.Edit);
    TypeChord({VK_MENU, 'D'});
    EXPECT_TRUE(form.Edit.Focused());
    EXPECT_EQ(beeps.Count(), 1);

    form.Edit.SetEnabled(false); // cannot take the focus
    TypeChord({VK_MENU, 'D'});
    EXPECT_EQ(beeps.Count(), 2);
    TypeChord({VK_MENU, 'K'}); // not the accelerator: the label leaves it alone
    EXPECT_EQ(beeps.Count(), 2);

    {
        TEdit other(&form.Form);
        form.Minutes.SetFocusControl(&other);
    }
    EXPECT_EQ(form.Minutes.FocusControl(), nullptr); // cleared when destroyed
}

TEST_F(LabelTest, AClickIsTheLabelsOwnAndNotTheFormsAndTakesNoFocus) {
    TLabelForm form;
    form.Minutes.SetCaption(L"75 dak.");
    form.Edit.SetFocus();
    Pump();
    ClickAt(form.Minutes.Handle(), 40, 8);
    EXPECT_EQ(form.MinutesClicks, 1);
    EXPECT_EQ(form.FormClicks, 0);
    EXPECT_TRUE(form.Edit.Focused());
    ClickAt(form.Form.Handle(), 250, 20); // the bare form is the form's
    EXPECT_EQ(form.FormClicks, 1);
    EXPECT_EQ(form.MinutesClicks, 1);
}

TEST_F(LabelTest, TheMinutesAreCentredAndTheWordsStartAtTheTopLeft) {
    TLabelForm form;
    form.Minutes.SetCaption(L"75 dak.");
    form.Words.SetCaption(L"bir milyon iki y\u00fcz elli bin T\u00fcrk liras\u0131");
    const COLORREF background = ColorToRGB(kFormColor);

    const SIZE extent = CaptionSize(form.Minutes);
    EXPECT_EQ(TPixels::Shown(form.Minutes.Handle()),
              DrawnText(form.Minutes, background, 97 / 2 - RoundHalfEven(extent.cx / 2.0) + 1,
                        17 / 2 - RoundHalfEven(extent.cy / 2.0), DT_LEFT));
    const RECT ink = TPixels::Shown(form.Minutes.Handle()).Extent(background);
    EXPECT_LE(std::abs(ink.left - (97 - ink.right)), 3);

    const TPixels words = TPixels::Shown(form.Words.Handle());
    EXPECT_EQ(words, DrawnText(form.Words, background, 0, 0, DT_LEFT | DT_WORDBREAK));
    const RECT wordsInk = words.Extent(background);
    EXPECT_LT(wordsInk.left, 3);
    EXPECT_LT(wordsInk.top, 5);
    EXPECT_GT(wordsInk.bottom, 24); // two lines
}

TEST_F(LabelTest, TransparencyShowsTheParentInsteadOfTheStyleColour) {
    TLabelForm form;
    form.Minutes.SetParentColor(false);
    form.Minutes.Style().SetColor(clRed);
    form.Minutes.SetCaption(L"75 dak.");
    const TPixels opaque = TPixels::Shown(form.Minutes.Handle());
    EXPECT_GT(opaque.Count(RGB(255, 0, 0)), 97 * 17 / 2);

    form.Minutes.Properties().SetTransparent(true);
    const TPixels transparent = TPixels::Shown(form.Minutes.Handle());
    EXPECT_EQ(transparent.Count(RGB(255, 0, 0)), 0);
    EXPECT_GT(transparent.Count(ColorToRGB(kFormColor)), 97 * 17 / 2);
    EXPECT_GT(transparent.Count(RGB(0, 0, 255)), 0);
}

TEST_F(LabelTest, AnEmptyCaptionPaintsOnlyTheBackgroundAndANewCaptionRepaints) {
    TLabelForm form;
    form.Minutes.Properties().SetDepth(2);
    form.Minutes.Properties().SetLabelEffect(cxleFun);
    EXPECT_EQ(TPixels::Shown(form.Minutes.Handle()).Count(ColorToRGB(kFormColor)), 97 * 17);
    form.Minutes.SetCaption(L"75 dak.");
    Pump();
    EXPECT_LT(TPixels::Shown(form.Minutes.Handle()).Count(ColorToRGB(kFormColor)), 97 * 17);
}

TEST_F(LabelTest, AutomaticSizeFitsTheTextAndItsShadow) {
    TLabelForm form;
    TcxLabel label(&form.Form);
    label.Style().Font().SetHeight(11);
    label.SetCaption(L"75 dak.");
    const SIZE extent = CaptionSize(label);
    EXPECT_EQ(label.Width(), extent.cx + 2);
    EXPECT_EQ(label.Height(), extent.cy);
    label.Properties().SetDepth(3);
    EXPECT_EQ(label.Width(), extent.cx + 2 + 3);
    EXPECT_EQ(label.Height(), extent.cy + 3);
    label.Properties().SetOrientation(cxoRight);
    EXPECT_EQ(label.Height(), extent.cy);
}

} // namespace
} // namespace velkaro::test
