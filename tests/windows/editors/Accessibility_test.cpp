// The edit controls, labels and radio buttons as a screen reader reads them:
// real windows asked through AccessibleObjectFromWindow, and the events that announce changes.
#include "editors/cxLabel/cxLabel.h"
#include "editors/cxRadioGroup/cxRadioGroup.h"
#include "editors/cxTextEdit/cxTextEdit.h"
#include "framework/Application.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/WindowDriver.h"
#include "tests/windows/support/AccessibleReader.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <functional>

namespace velkaro::test {
namespace {

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        StartApplication();
        form_.Edit(0).SetAccessibleName(L"Ad");
        form_.Edit(0).SetText(L"Ay\u015Fe");
        form_.Show();
    }
    void TearDown() override { CoUninitialize(); }

    TcxTextEdit& Edit() { return form_.Edit(0); }
    HWND InnerWindow() { return Edit().InnerEdit()->Control().Handle(); }

    TEditForm form_;
};

struct TextEditCase {
    const char* name;
    std::function<void(TcxTextEdit&)> arrange;
    std::optional<std::wstring> value;
    long stateSet;
    long stateClear;
};

TEST_F(AccessibilityTest, TextEditIsAnEditableTextNamedByItsPropertyWithItsTextAsValue) {
    const TextEditCase cases[] = {
        {"as typed into", [](TcxTextEdit&) {}, L"Ay\u015Fe", STATE_SYSTEM_FOCUSED,
         STATE_SYSTEM_READONLY | STATE_SYSTEM_PROTECTED},
        {"read-only", [](TcxTextEdit& e) { e.Properties().SetReadOnly(true); }, L"Ay\u015Fe",
         STATE_SYSTEM_READONLY, STATE_SYSTEM_PROTECTED},
        {"a password, whose text is not told",
         [](TcxTextEdit& e) { e.Properties().SetEchoMode(eemPassword); }, L"",
         STATE_SYSTEM_PROTECTED, STATE_SYSTEM_READONLY},
        {"new text by code", [](TcxTextEdit& e) { e.SetText(L"Zeynep"); }, L"Zeynep", 0,
         STATE_SYSTEM_READONLY},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Edit().Properties().SetReadOnly(false);
        Edit().Properties().SetEchoMode(eemNormal);
        Edit().SetText(L"Ay\u015Fe");
        c.arrange(Edit());
        Application().ProcessMessages();
        // The control and the native field inside it, which has the keyboard focus, read alike.
        for (HWND window : {Edit().Handle(), InnerWindow()}) {
            const auto reading = ReadAccessible(window);
            ASSERT_TRUE(reading.has_value());
            EXPECT_EQ(reading->Role, ROLE_SYSTEM_TEXT);
            EXPECT_EQ(reading->Name, L"Ad");
            EXPECT_EQ(reading->Value, c.value);
            EXPECT_EQ(reading->State & c.stateClear, 0);
        }
        EXPECT_EQ(ReadAccessible(Edit().Handle())->State & c.stateSet & ~STATE_SYSTEM_FOCUSED,
                  c.stateSet & ~STATE_SYSTEM_FOCUSED);
        EXPECT_EQ(ReadAccessible(InnerWindow())->State & c.stateSet, c.stateSet);
    }
}

TEST_F(AccessibilityTest, NewTextAnnouncesAValueChangeAndANewNameANameChange) {
    AccessibleEventRecorder events;
    Edit().SetText(L"Zeynep");
    EXPECT_TRUE(events.Raised(EVENT_OBJECT_VALUECHANGE, Edit().Handle()));
    EXPECT_TRUE(events.Raised(EVENT_OBJECT_VALUECHANGE, InnerWindow()));
    EXPECT_FALSE(events.Raised(EVENT_OBJECT_VALUECHANGE, form_.Edit(1).Handle()));

    events.Clear();
    Edit().SetAccessibleName(L"Soyad");
    EXPECT_TRUE(events.Raised(EVENT_OBJECT_NAMECHANGE, Edit().Handle()));
    EXPECT_EQ(ReadAccessible(InnerWindow())->Name, L"Soyad");
}

TEST_F(AccessibilityTest, LabelIsStaticTextNamedByItsCaptionAndAnnouncesANewOne) {
    TcxLabel label(&form_.Form);
    label.SetBounds(170, 10, 100, 17);
    label.SetCaption(L"75 dak.");
    auto reading = ReadAccessible(label.Handle());
    ASSERT_TRUE(reading.has_value());
    EXPECT_EQ(reading->Role, ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(reading->Name, L"75 dak.");
    EXPECT_NE(reading->State & STATE_SYSTEM_READONLY, 0);

    AccessibleEventRecorder events;
    label.SetCaption(L"76 dak.");
    EXPECT_TRUE(events.Raised(EVENT_OBJECT_NAMECHANGE, label.Handle()));
    EXPECT_EQ(ReadAccessible(label.Handle())->Name, L"76 dak.");
    events.Clear();
    label.SetCaption(L"76 DAK.");
    EXPECT_FALSE(events.Raised(EVENT_OBJECT_NAMECHANGE, label.Handle())) << "the same caption";
}

TEST_F(AccessibilityTest, RadioButtonsAreNamedByTheirCaptionsAndTellWhichIsChecked) {
    TcxRadioButton first(&form_.Form);
    TcxRadioButton second(&form_.Form);
    first.SetBounds(170, 10, 100, 25);
    second.SetBounds(170, 40, 100, 25);
    first.SetCaption(L"Gece");
    second.SetCaption(L"G\u00FCnd\u00FCz");
    first.SetChecked(true);

    AccessibleEventRecorder events;
    second.SetChecked(true);
    EXPECT_TRUE(events.Raised(EVENT_OBJECT_STATECHANGE, first.Handle()));
    EXPECT_TRUE(events.Raised(EVENT_OBJECT_STATECHANGE, second.Handle()));
    const std::pair<TcxRadioButton*, bool> expected[] = {{&first, false}, {&second, true}};
    for (const auto& [button, checked] : expected) {
        const auto reading = ReadAccessible(button->Handle());
        ASSERT_TRUE(reading.has_value());
        EXPECT_EQ(reading->Role, ROLE_SYSTEM_RADIOBUTTON);
        EXPECT_EQ(reading->Name, button->Caption());
        EXPECT_EQ((reading->State & STATE_SYSTEM_CHECKED) != 0, checked);
    }
}

} // namespace
} // namespace velkaro::test
