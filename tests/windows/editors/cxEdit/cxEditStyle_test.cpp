#include "editors/cxTextEdit/cxTextEdit.h"
#include "framework/Application.h"
#include "lookandfeel/cxEditPainter.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/RealInput.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <set>

namespace velkaro::test {
namespace {

using EditStyleTest = ApplicationTest;

TEST_F(EditStyleTest, AMemberIsOwnElseTheControllersElseTheDefault) {
    TEditForm form(1);
    TcxCustomEditStyle& style = form.Edit(0).Style();
    EXPECT_EQ(style.Color(), clWindow);
    EXPECT_EQ(style.BorderStyle(), ebs3D);

    TcxEditStyleController controller;
    controller.Style().SetColor(clRed);
    controller.Style().SetBorderStyle(ebsFlat);
    controller.Style().Font().SetHeight(20);
    style.SetStyleController(&controller);
    EXPECT_EQ(style.Color(), clRed);
    EXPECT_EQ(style.BorderStyle(), ebsFlat);
    EXPECT_EQ(style.Font().Height(), 20);
    EXPECT_FALSE(style.IsAssigned(svFont));

    style.SetColor(clBlue);
    EXPECT_EQ(style.Color(), clBlue);
    controller.Style().SetColor(clWhite);
    EXPECT_EQ(style.Color(), clBlue);
    EXPECT_EQ(style.AssignedValues(), 1u << svColor);

    // The controller's later changes reach the edit; its end returns the defaults.
    controller.Style().SetBorderStyle(ebsUltraFlat);
    EXPECT_EQ(style.BorderStyle(), ebsUltraFlat);
    {
        TcxEditStyleController shortLived;
        style.SetStyleController(&shortLived);
    }
    EXPECT_EQ(style.StyleController(), nullptr);
    EXPECT_EQ(style.BorderStyle(), ebs3D);
}

TEST_F(EditStyleTest, TheDefaultBorderFollowsTheLookAndFeelKind) {
    TEditForm form(1);
    TcxTextEdit& edit = form.Edit(0);
    edit.LookAndFeel().SetKind(TcxLookAndFeelKind::lfUltraFlat);
    EXPECT_EQ(edit.Style().BorderStyle(), ebsUltraFlat);
    edit.LookAndFeel().SetKind(TcxLookAndFeelKind::lfFlat);
    EXPECT_EQ(edit.Style().BorderStyle(), ebsFlat);
}

TEST_F(EditStyleTest, AnUnassignedFontFollowsTheFormsFont) {
    TEditForm form(1);
    TcxTextEdit& edit = form.Edit(0);
    form.Show();
    const int height = edit.Height();
    form.Form.Font().SetHeight(22);
    EXPECT_EQ(edit.Style().Font().Height(), 22);
    EXPECT_GT(edit.Height(), height);
    EXPECT_EQ(edit.InnerEdit()->Control().Font().Height(), 22);
}

TEST_F(EditStyleTest, ParentColorShowsTheParentsColour) {
    TEditForm form(1);
    TcxTextEdit& edit = form.Edit(0);
    edit.Style().SetColor(clRed);
    edit.SetParentColor(true);
    EXPECT_EQ(edit.Style().Color(), form.Form.Color());
}

TEST_F(EditStyleTest, AutoSizeFitsTheHeightToTheFontAndFrame) {
    TEditForm form(1);
    TcxTextEdit& edit = form.Edit(0);
    TEdit native(&form.Form);
    form.Show();
    // As tall as a native one-line edit of the same font.
    EXPECT_EQ(edit.Height(), native.Height());
    edit.Style().Font().SetHeight(24);
    const int tall = edit.Height();
    EXPECT_GT(tall, 30);
    EXPECT_EQ(edit.Width(), 150);
    edit.Style().SetBorderStyle(ebsNone);
    EXPECT_EQ(edit.Height(), tall - 4);
    edit.SetAutoSize(false);
    edit.SetBounds(10, 10, 150, 50);
    EXPECT_EQ(edit.Height(), 50);
    edit.SetAutoSize(true);
    EXPECT_EQ(edit.Height(), tall - 4);
}

TEST_F(EditStyleTest, TheInnerEditSitsInTheContentByTheVerticalAlignment) {
    TEditForm form(1);
    TcxTextEdit& edit = form.Edit(0);
    edit.SetAutoSize(false);
    edit.SetBounds(10, 10, 150, 41);
    form.Show();
    const HWND inner = edit.InnerEdit()->Control().Handle();
    const int line = EditLineHeight(edit.Style().Font().Handle());
    struct Case {
        TcxEditVertAlignment vert;
        int top;
    };
    // Content 2..39 inside the sunken frame.
    for (const Case& c : {Case{taTopJustify, 3}, Case{taBottomJustify, 39 - line + 1},
                          Case{taVCenter, 2 + (37 - line) / 2 + 1}}) {
        edit.Properties().Alignment().SetVert(c.vert);
        const RECT bounds = BoundsInParent(inner);
        EXPECT_EQ(bounds.top, c.top) << c.vert;
        EXPECT_EQ(bounds.bottom - bounds.top, line) << c.vert;
        EXPECT_EQ(bounds.left, 3) << c.vert;
        EXPECT_EQ(bounds.right, 148) << c.vert;
    }
}

TEST_F(EditStyleTest, DisabledEditsGreyOutAndFramesFollowTheTheme) {
    TEditForm form(1);
    TcxTextEdit& edit = form.Edit(0);
    EXPECT_EQ(EditBackgroundColor(clWindow, false), clBtnFace);
    EXPECT_EQ(EditTextColor(clWindowText, false), clGrayText);
    EXPECT_EQ(EditBackgroundColor(clRed, true), clRed);
    struct Case {
        TcxEditBorderStyle style;
        int width;
    };
    for (const Case& c : {Case{ebsNone, 0}, Case{ebsSingle, 1}, Case{ebsUltraFlat, 1},
                          Case{ebsFlat, 2}, Case{ebs3D, 2}, Case{ebsThick, 2}}) {
        TcxEditFrame frame;
        frame.BorderStyle = c.style;
        EXPECT_EQ(EditBorderWidth(frame), c.width) << c.style;
    }
    TcxEditFrame themed;
    themed.Themed = true;
    themed.BorderStyle = ebsSingle;
    EXPECT_EQ(EditBorderWidth(themed), 2);
    EXPECT_TRUE(edit.LookAndFeel().NativeStyle());
}

// Under a theme, the read-only and disabled frames are drawn from the system's colours, and no
// frame paints what lies inside it: text and background come from one scheme, whatever the
// theme's own fills.
TEST_F(EditStyleTest, ThemedFramesLeaveTheInsideAndTheReadOnlyAndDisabledStatesToTheScheme) {
    TEditForm form(1);
    form.Show();
    constexpr COLORREF kUnderlay = RGB(255, 0, 255);
    const SIZE size = {60, 24};
    const auto frameColours = [&](bool enabled, bool readOnly) {
        TcxEditFrame frame;
        frame.Themed = true;
        frame.Enabled = enabled;
        frame.ReadOnly = readOnly;
        const TPixels pixels = TPixels::Painted(size, kUnderlay, [&](HDC dc) {
            DrawEditFrame(dc, form.Edit(0).Handle(), {0, 0, size.cx, size.cy}, frame);
        });
        std::set<COLORREF> ring, inside;
        const int border = EditBorderWidth(frame);
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) {
                const bool inner =
                    x >= border && y >= border && x < size.cx - border && y < size.cy - border;
                (inner ? inside : ring).insert(pixels.At(x, y));
            }
        }
        EXPECT_EQ(inside, std::set<COLORREF>{kUnderlay}) << enabled << readOnly;
        return ring;
    };
    const std::set<COLORREF> scheme = {GetSysColor(COLOR_BTNSHADOW), kUnderlay};
    EXPECT_EQ(frameColours(true, true), scheme);
    EXPECT_EQ(frameColours(false, false), scheme);
    if (AreVisualStylesActive()) {
        EXPECT_NE(frameColours(true, false), scheme); // the theme's own frame
    }
}

TEST_F(EditStyleTest, AClickOnTheCentredTextPlacesTheCaretInsteadOfSelecting) {
    TEditForm form(2);
    TcxTextEdit& centred = form.Edit(1);
    centred.Properties().Alignment().SetHorz(taCenter);
    centred.SetText(L"abcdef");
    int clicks = 0;
    centred.OnClick = [&clicks](TObject*) { ++clicks; };
    form.Show();
    PostMessageW(centred.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(140, 10));
    Application().ProcessMessages();
    PostMessageW(GetCapture() != nullptr ? GetCapture() : centred.Handle(), WM_LBUTTONUP, 0,
                 MAKELPARAM(140, 10));
    Application().ProcessMessages();
    EXPECT_TRUE(HasFocus(centred));
    EXPECT_EQ(centred.SelLength(), 0);
    EXPECT_EQ(clicks, 1);
    // By the keyboard the whole text is selected.
    PressKey(VK_TAB, ssShift);
    PressKey(VK_TAB);
    EXPECT_EQ(centred.SelLength(), 6);
}

TEST_F(EditStyleTest, ChangesWhileLoadingAreAppliedOnceAfterwards) {
    TEditForm form(1);
    TcxTextEdit& edit = form.Edit(0);
    edit.BeginLoad();
    edit.Properties().SetCharCase(ecUpperCase);
    edit.Properties().SetReadOnly(true);
    TChangeCounts counts;
    CountChanges(edit.Properties(), counts);
    edit.SetText(L"loaded");
    EXPECT_EQ(counts, (TChangeCounts{0, 0}));
    edit.EndLoad();
    form.Show();
    EXPECT_EQ(edit.Text(), L"LOADED");
    TypeText(L"x");
    EXPECT_EQ(edit.Text(), L"LOADED");
}

TEST_F(EditStyleTest, LookupItemsCompleteTypingAndNewTextsAreAnnounced) {
    TEditForm form;
    TcxTextEdit& edit = form.Edit(0);
    edit.Properties().SetLookupItems({L"Ankara", L"Antalya", L"Bursa"});
    std::vector<std::wstring> announced;
    edit.Properties().OnNewLookupDisplayText = [&announced](TObject*, const std::wstring& text) {
        announced.push_back(text);
    };
    form.Show();
    TypeText(L"bu");
    EXPECT_EQ(edit.Text(), L"bursa");
    EXPECT_EQ(edit.SelStart(), 2);
    EXPECT_EQ(edit.SelLength(), 3);
    PressKey(VK_TAB);
    EXPECT_TRUE(announced.empty());
    PressKey(VK_TAB, ssShift);
    TypeText(L"x");
    PressKey(VK_TAB);
    EXPECT_EQ(announced, std::vector<std::wstring>{L"x"});
}

} // namespace
} // namespace velkaro::test
