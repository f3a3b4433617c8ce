#include "editors/cxTextEdit/cxTextEdit.h"
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <optional>

namespace velkaro::test {
namespace {

// Numbers with a display form as the amount field shows them: "1250000" while focused,
// "1.250.000 TL" otherwise.
class TAmountProperties : public TcxTextEditProperties {
public:
    using TcxTextEditProperties::TcxTextEditProperties;
    Variant MakeDisplayValue(const Variant& value, bool InEditForm) const override {
        if (value.IsNull()) {
            return Variant(InEditForm ? L"" : L"0 TL");
        }
        std::wstring digits = std::to_wstring(static_cast<long long>(value.ToDouble()));
        if (InEditForm) {
            return Variant(digits);
        }
        for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
            digits.insert(static_cast<std::size_t>(i), 1, L'.');
        }
        return Variant(digits + L" TL");
    }
};

class TAmountEdit : public TcxCustomTextEdit {
public:
    explicit TAmountEdit(TControl* parent)
        : TcxCustomTextEdit(parent, MakePropertiesFactory<TAmountProperties>()) {
        AfterConstruction();
    }

    Variant MakeEditValue(const Variant& DisplayValue, bool) override {
        std::wstring digits;
        for (const wchar_t c : DisplayValue.ToString()) {
            if (c >= L'0' && c <= L'9') {
                digits += c;
            }
        }
        return digits.empty() ? Variant() : Variant(std::stod(digits));
    }

    // The texts of every paint that drew the text itself.
    std::vector<std::wstring> Painted;

protected:
    void PaintContent(HDC dc, const RECT& content) override {
        if (!IsInnerEditShown()) {
            Painted.push_back(PaintedText());
        }
        TcxCustomTextEdit::PaintContent(dc, content);
    }
};

struct TAmountForm {
    TForm Form;
    TcxTextEdit Time{&Form};
    TAmountEdit Amount{&Form};
    TChangeCounts Counts;

    TAmountForm() {
        Form.SetClientSize(300, 100);
        Time.SetBounds(10, 10, 120, 21);
        Amount.SetBounds(10, 40, 160, 21);
        Amount.Properties().SetReadOnly(true);
        Amount.Properties().Alignment().SetHorz(taCenter);
        Amount.Properties().Alignment().SetVert(taVCenter);
        CountChanges(Amount.Properties(), Counts);
        Form.Show();
        Time.SetFocus();
        Application().ProcessMessages();
        Amount.Painted.clear();
    }
};

using TextEditViewTest = ApplicationTest;

TEST_F(TextEditViewTest, TextWrittenByCodeShowsItsDisplayFormOnceTheFocusHasPassed) {
    TAmountForm form;
    TAmountEdit& amount = form.Amount;
    const HWND inner = amount.InnerEdit()->Control().Handle();

    // One handler: nothing is painted in between.
    amount.SetText(L"1250000");
    EXPECT_EQ(amount.Text(), L"1250000");
    EXPECT_EQ(amount.EditValue(), Variant(1250000.0));
    EXPECT_EQ(form.Counts, (TChangeCounts{1, 1}));
    EXPECT_FALSE(amount.ValueModel().TextModified());

    amount.SetFocus();
    EXPECT_EQ(amount.Text(), L"1250000");
    EXPECT_TRUE(IsWindowVisible(inner));
    EXPECT_EQ(amount.SelLength(), 7);
    TypeText(L"9");
    EXPECT_EQ(amount.Text(), L"1250000");

    form.Time.SetFocus();
    EXPECT_EQ(amount.Text(), L"1.250.000 TL");
    EXPECT_EQ(amount.EditValue(), Variant(1250000.0));
    EXPECT_FALSE(IsWindowVisible(inner));
    EXPECT_EQ(form.Counts, (TChangeCounts{2, 1}));

    Application().ProcessMessages();
    EXPECT_EQ(amount.Painted, std::vector<std::wstring>{L"1.250.000 TL"});
    EXPECT_TRUE(ReportedErrors().empty());
}

// The same inside one handler, as the main window's calculation does it: the amount is painted
// once in its display form; a pass alone, which changes nothing on screen, paints nothing.
TEST_F(TextEditViewTest, AFocusPassInsideAHandlerPaintsOnlyWhatChanged) {
    TAmountForm form;
    const wchar_t* amount = nullptr;
    form.Time.OnKeyPress = [&](TObject*, wchar_t& key) {
        if (key == L'\r') {
            if (amount != nullptr) {
                form.Amount.SetText(amount);
            }
            form.Amount.SetFocus();
            form.Time.SetFocus();
        }
    };
    const struct {
        const wchar_t* amount;
        std::vector<std::wstring> painted;
    } steps[] = {{L"1250000", {L"1.250.000 TL"}}, {nullptr, {}}, {L"750000", {L"750.000 TL"}}};
    for (const auto& step : steps) {
        amount = step.amount;
        form.Amount.Painted.clear();
        PressKey(VK_RETURN);
        const std::wstring name = step.amount != nullptr ? step.amount : L"the pass alone";
        EXPECT_EQ(form.Amount.Painted, step.painted) << name;
        EXPECT_EQ(GetFocus(), InnerWindow(form.Time)) << name;
        EXPECT_FALSE(IsWindowVisible(InnerWindow(form.Amount))) << name;
    }
    EXPECT_TRUE(ReportedErrors().empty());
}

TEST_F(TextEditViewTest, AStoredValueShowsItsDisplayFormAtOnce) {
    TAmountForm form;
    form.Amount.SetEditValue(5000.0);
    EXPECT_EQ(form.Amount.Text(), L"5.000 TL");
    form.Amount.SetEditValue(Variant());
    EXPECT_EQ(form.Amount.Text(), L"0 TL");
}

// The columns of the control's client area that hold text-coloured pixels, read from the
// screen.
struct TInkColumns {
    int First = -1;
    int Last = -1;
    int Width = 0;
};

TInkColumns InkColumns(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    const TClientDC screen;
    TInkColumns ink;
    ink.Width = client.right;
    // Inside the frame only: the sunken edge has dark pixels of its own.
    for (int x = 3; x < client.right - 3; ++x) {
        for (int y = 3; y < client.bottom - 3; ++y) {
            const COLORREF pixel = GetPixel(screen.Handle(), origin.x + x, origin.y + y);
            if (GetRValue(pixel) < 96 && GetGValue(pixel) < 96 && GetBValue(pixel) < 96) {
                if (ink.First < 0) {
                    ink.First = x;
                }
                ink.Last = x;
                break;
            }
        }
    }
    return ink;
}

void Settle() {
    for (int i = 0; i < 5; ++i) {
        Application().ProcessMessages();
        Sleep(20);
    }
}

TEST_F(TextEditViewTest, ACentredEditPaintsItsTextCentredAndEditsItLeftAligned) {
    TEditForm form(2);
    TcxTextEdit& centred = form.Edit(1);
    centred.SetBounds(10, 40, 200, 21);
    centred.Properties().Alignment().SetHorz(taCenter);
    centred.SetText(L"WWWW");
    form.Show();
    Settle();
    const TInkColumns unfocused = InkColumns(centred.Handle());
    ASSERT_GE(unfocused.First, 0);
    const int leftGap = unfocused.First;
    const int rightGap = unfocused.Width - 1 - unfocused.Last;
    EXPECT_LE(std::abs(leftGap - rightGap), 3) << leftGap << " " << rightGap;
    EXPECT_GT(leftGap, 40);

    centred.SetFocus();
    centred.SetSelLength(0);
    Settle();
    const TInkColumns focused = InkColumns(centred.Handle());
    ASSERT_GE(focused.First, 0);
    EXPECT_LE(focused.First, 6);
    EXPECT_EQ(focused.Last - focused.First, unfocused.Last - unfocused.First);
}

} // namespace
} // namespace velkaro::test
