#include "editors/cxCurrencyEdit/cxCurrencyEdit.h"

#include "editors/cxFormats/cxFormatsWindow.h"
#include "framework/Application.h"
#include "framework/Clipboard.h"
#include "framework/Edit.h"
#include "framework/Form.h"
#include "runtime/Conversions.h"
#include "runtime/FormatSettings.h"
#include "runtime/Utf.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace velkaro::test {
namespace {

std::wstring WindowText(HWND window) {
    wchar_t buffer[256] = {};
    const auto length = SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    return std::wstring(buffer, static_cast<std::size_t>(length));
}

void UseTurkishSeparators() {
    FormatSettings().ThousandSeparator = L'.';
    FormatSettings().DecimalSeparator = L',';
    cxFormatController().Rebuild();
}

// A currency edit beside a field that can take the focus: either the amount field as the main
// window has it, with the focus in the other field, or a plain editable one with the focus.
struct TAmountForm {
    TForm Form;
    TEdit Other{&Form};
    TcxCurrencyEdit Amount{&Form};

    explicit TAmountForm(bool mainWindowField = true) {
        Form.SetClientSize(220, 139);
        Other.SetBounds(76, 0, 65, 32);
        Amount.SetBounds(16, 56, 189, 28);
        if (mainWindowField) {
            TcxCurrencyEditProperties& properties = Amount.Properties();
            properties.SetReadOnly(true);
            properties.Alignment().SetHorz(taCenter);
            properties.Alignment().SetVert(taVCenter);
            properties.SetDecimalPlaces(0);
            properties.SetDisplayFormat(L",0 TL");
            properties.SetNullString(L"0 TL");
            Amount.SetTabStop(false);
            Amount.SetAutoSize(false);
            Amount.SetBeepOnEnter(false);
        }
        Form.Show();
        if (mainWindowField) {
            Other.SetFocus();
        } else {
            Amount.SetFocus();
        }
        Application().ProcessMessages();
    }

    HWND Inner() const { return Amount.InnerEdit()->Control().Handle(); }

    // In and out again, as the calculation does after assigning the amount.
    void PassFocusThrough() {
        Amount.SetFocus();
        Application().ProcessMessages();
        Other.SetFocus();
        Application().ProcessMessages();
    }
};

// An editable field with the focus, typed into as a hand would.
struct TTypingForm : TAmountForm {
    TTypingForm() : TAmountForm(false) {}
};

class CurrencyEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartApplication();
        UseTurkishSeparators();
    }
    void TearDown() override {
        LoadFormatSettings();
        cxFormatController().Rebuild();
    }

    TBeepCounter beeps;
};

TEST_F(CurrencyEditTest, RegistersItsWindowClassAndStartsShowingTheNullText) {
    TAmountForm form;
    wchar_t className[64] = {};
    GetClassNameW(form.Amount.Handle(), className, 64);
    EXPECT_STREQ(className, L"TcxCurrencyEdit");
    EXPECT_TRUE(form.Amount.EditValue().IsNull());
    EXPECT_EQ(WindowText(form.Amount.Handle()), L"0 TL");
}

struct SequenceCase {
    const wchar_t* text;
    const wchar_t* focused;
    const wchar_t* shown;
    VariantKind kind;
};

TEST_F(CurrencyEditTest, AssignedAmountIsFormattedOnceTheFocusHasPassedThrough) {
    const SequenceCase cases[] = {
        {L"1250000", L"1250000", L"1.250.000 TL", VariantKind::Double},
        {L"0", L"0", L"0 TL", VariantKind::Double},
        {L"-5", L"-5", L"-5 TL", VariantKind::Double},
        {L"", L"", L"0 TL", VariantKind::Null},
        {L"0 TL", L"", L"0 TL", VariantKind::Null},
        {L"abc", L"", L"0 TL", VariantKind::Null},
    };
    TAmountForm form;
    for (const auto& c : cases) {
        const std::string name = ToUtf8(c.text);
        form.Amount.SetText(c.text);
        // Assigned, the text is shown as it is until the focus comes and goes.
        EXPECT_EQ(WindowText(form.Amount.Handle()), c.text) << name;
        EXPECT_EQ(form.Amount.EditValue().Kind(), c.kind) << name;

        form.Amount.SetFocus();
        Application().ProcessMessages();
        EXPECT_EQ(form.Amount.Text(), c.focused) << name;

        form.Other.SetFocus();
        Application().ProcessMessages();
        EXPECT_EQ(form.Amount.Text(), c.shown) << name;
        EXPECT_EQ(WindowText(form.Amount.Handle()), c.shown) << name;
    }
    EXPECT_EQ(form.Amount.Value(), 0);
    EXPECT_TRUE(ReportedErrors().empty());
}

TEST_F(CurrencyEditTest, NotNullableShowsZeroThroughTheFormat) {
    TAmountForm form;
    form.Amount.Properties().SetNullable(false);
    form.Amount.SetText(L"abc");
    form.PassFocusThrough();
    EXPECT_EQ(form.Amount.EditValue(), Variant(Currency{}));
    EXPECT_EQ(form.Amount.Text(), L"0 TL");
    form.Amount.SetEditValue(Variant());
    EXPECT_EQ(form.Amount.Text(), L"0");
}

TEST_F(CurrencyEditTest, PropertiesChangeRedisplaysOnlyAnUnfocusedField) {
    TAmountForm form;
    form.Amount.SetText(L"1250000");
    form.PassFocusThrough();
    form.Amount.Properties().SetDisplayFormat(L",0.00 TL");
    EXPECT_EQ(form.Amount.Text(), L"1.250.000,00 TL");
    form.Amount.SetEditValue(Variant());
    form.Amount.Properties().SetNullString(L"yok");
    EXPECT_EQ(form.Amount.Text(), L"yok");

    form.Amount.SetEditValue(5.0);
    form.Amount.SetFocus();
    Application().ProcessMessages();
    form.Amount.Properties().SetDisplayFormat(L",0 TL");
    EXPECT_EQ(form.Amount.Text(), L"5");
}

TEST_F(CurrencyEditTest, FormatChangeKeepsTextTheUserIsTyping) {
    TTypingForm form;
    TypeText(L"12,5");
    FormatSettings().DecimalSeparator = L'.';
    form.Amount.LocaleFormatsChanged();
    EXPECT_EQ(form.Amount.Text(), L"12,5");

    form.Amount.SetEditValue(7.25);
    form.Amount.LocaleFormatsChanged();
    EXPECT_EQ(form.Amount.Text(), L"7.25");
}

TEST_F(CurrencyEditTest, ReadOnlyFieldTakesNoTypedKey) {
    TAmountForm form;
    form.Amount.SetText(L"1250000");
    form.Amount.SetFocus();
    Application().ProcessMessages();
    SendMessageW(form.Amount.InnerEdit()->Control().Handle(), WM_CHAR, L'7', 1);
    EXPECT_EQ(form.Amount.Text(), L"1250000");
    EXPECT_EQ(beeps.Count(), 0);
}

// Which keys keep the text a number is the conversions' rule (tested natively); here, a refused
// key typed into the field is dropped with a beep.
TEST_F(CurrencyEditTest, TypingKeepsTheTextANumberAndBeepsForRefusedKeys) {
    TTypingForm form;
    TypeText(L"x1y");
    EXPECT_EQ(form.Amount.Text(), L"1");
    EXPECT_EQ(beeps.Count(), 2);
}

TEST_F(CurrencyEditTest, TypedAmountIsCommittedAndFormattedOnLeaving) {
    TTypingForm form;
    form.Amount.Properties().SetDisplayFormat(L",0.00 TL");
    TypeText(L"1234.5");
    form.Other.SetFocus();
    Application().ProcessMessages();
    EXPECT_EQ(form.Amount.EditValue(), Variant(1234.5));
    EXPECT_EQ(form.Amount.Text(), L"1.234,50 TL");
}

TEST_F(CurrencyEditTest, EnterReportsATypedAmountOutsideTheRange) {
    TTypingForm form;
    form.Amount.Properties().SetMaxValue(100);
    ReportedErrors().clear();
    TypeText(L"150");
    PressKey(VK_RETURN);
    EXPECT_EQ(ReportedErrors(), std::vector<std::wstring>{L"Value out of bounds."});
    EXPECT_TRUE(form.Amount.EditValue().IsNull());

    ReportedErrors().clear();
    form.Amount.SelectAll();
    TypeText(L"99,5");
    PressKey(VK_RETURN);
    EXPECT_TRUE(ReportedErrors().empty());
    EXPECT_EQ(form.Amount.EditValue(), Variant(99.5));
}

// Which pasted texts leave an amount is the conversions' rule (tested natively); here, what the
// field does with each kind.
TEST_F(CurrencyEditTest, PasteThatLeavesNoNumberIsUndoneWithTheTextSelected) {
    const struct {
        const wchar_t* clipboard;
        const wchar_t* text;
        bool allSelected;
    } cases[] = {
        {L"34", L"1234", false},
        {L"abc", L"12", true},
    };
    for (const auto& c : cases) {
        TTypingForm form;
        TypeText(L"12");
        SetClipboardText(c.clipboard);
        SendMessageW(form.Inner(), WM_PASTE, 0, 0);
        const std::string name = ToUtf8(c.clipboard);
        EXPECT_EQ(form.Amount.Text(), c.text) << name;
        if (c.allSelected) {
            EXPECT_EQ(form.Amount.SelStart(), 0) << name;
            EXPECT_EQ(form.Amount.SelLength(), 2) << name;
        }
        EXPECT_EQ(beeps.Count(), 0) << name;
    }
}

// The clamp and the reading are the conversions' rules (tested natively); the field stores the
// number and shows it as after leaving.
TEST_F(CurrencyEditTest, AValueWrittenIsClampedStoredAsANumberAndShown) {
    TAmountForm form;
    form.Amount.Properties().SetMaxValue(100);
    form.Amount.SetValue(150);
    EXPECT_EQ(form.Amount.Value(), 100);
    EXPECT_EQ(form.Amount.EditValue().Kind(), VariantKind::Double);
    EXPECT_EQ(form.Amount.Text(), L"100 TL");
    form.Amount.SetEditValue(Variant(L"abc"));
    EXPECT_EQ(form.Amount.Value(), 0);
}

TEST_F(CurrencyEditTest, UnassignedFormatIsTheLocaleCurrencyFormat) {
    TTypingForm form;
    form.Amount.SetText(L"1250000");
    form.Other.SetFocus();
    Application().ProcessMessages();
    EXPECT_FALSE(form.Amount.Properties().IsDisplayFormatStored());
    EXPECT_EQ(form.Amount.Text(), FormatFloat(cxFormatController().CurrencyFormat(), 1250000));
}

// Changes the user's thousands separator as the regional settings do, and puts it back.
class ThousandSeparatorChange {
public:
    explicit ThousandSeparatorChange(const wchar_t* separator) {
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, previous_, 8);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator);
    }
    ~ThousandSeparatorChange() {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, previous_);
        Broadcast();
    }
    ThousandSeparatorChange(const ThousandSeparatorChange&) = delete;
    ThousandSeparatorChange& operator=(const ThousandSeparatorChange&) = delete;

    static std::wstring RegistryValue() {
        wchar_t value[8] = {};
        DWORD size = sizeof(value);
        RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\International", L"sThousand",
                     RRF_RT_REG_SZ, nullptr, value, &size);
        return value;
    }

    static void Broadcast() {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"),
                            SMTO_ABORTIFHUNG, 5000, &result);
    }

private:
    wchar_t previous_[8] = {};
};

TEST_F(CurrencyEditTest, RegionalSettingsChangeRedisplaysAnUnfocusedField) {
    Application().UpdateFormatSettings = true;
    LoadFormatSettings();
    cxFormatController().Rebuild();
    TAmountForm form;
    form.Amount.SetText(L"1250000");
    form.PassFocusThrough();
    ASSERT_EQ(form.Amount.Text(), L"1.250.000 TL");

    ThousandSeparatorChange change(L"'");
    EXPECT_EQ(ThousandSeparatorChange::RegistryValue(), L"'");
    ThousandSeparatorChange::Broadcast();

    EXPECT_EQ(FormatSettings().ThousandSeparator, L'\'');
    // The locale's currency format replaces the assigned one.
    const std::wstring format = cxFormatController().CurrencyFormat();
    EXPECT_EQ(form.Amount.Properties().DisplayFormat(), format);
    EXPECT_NE(format, L",0 TL");
    const std::wstring shown = form.Amount.Text();
    EXPECT_EQ(shown, FormatFloat(format, 1250000));
    EXPECT_NE(shown.find(L"1'250'000"), std::wstring::npos) << ToUtf8(shown);
    EXPECT_EQ(WindowText(form.Amount.Handle()), shown);
}

} // namespace
} // namespace velkaro::test
