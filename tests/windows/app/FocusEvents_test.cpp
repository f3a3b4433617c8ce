// Where a screen reader hears the focus land in the main window: every focus event the process
// raises, with the window's visibility at that moment, on the keyboard, mouse and calculation
// paths.
#include "tests/windows/support/AccessibleReader.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/ConfiguredWindow.h"
#include "tests/windows/support/RealInput.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <functional>

namespace velkaro::test {
namespace {

struct TFocusEvent {
    HWND Window;
    bool Visible;
};

std::vector<TFocusEvent>& FocusEvents() {
    static std::vector<TFocusEvent> events;
    return events;
}

void CALLBACK RecordFocus(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (object == OBJID_CLIENT) {
        FocusEvents().push_back({window, IsWindowVisible(window) != FALSE});
    }
}

class FocusEventTest : public ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        // In context, the event is heard as it is raised: out of context it arrives when the
        // thread next takes a message, after the window may have been shown.
        hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, GetModuleHandleW(nullptr),
                                RecordFocus, GetCurrentProcessId(), 0, WINEVENT_INCONTEXT);
    }
    void TearDown() override {
        UnhookWinEvent(hook_);
        CoUninitialize();
    }

private:
    HWINEVENTHOOK hook_ = nullptr;
};

// The field a window belongs to: itself or the control holding it as its inner window.
HWND FieldOf(const Tfr_velkaro& window, HWND focused) {
    for (const TControl* field : std::initializer_list<const TControl*>{
             &window.tx_saat, &window.tx_para, &window.rb_fiyat1, &window.rb_fiyat2}) {
        if (focused == field->Handle() || GetParent(focused) == field->Handle()) {
            return field->Handle();
        }
    }
    return nullptr;
}

TEST_F(FocusEventTest, EveryFocusAScreenReaderHearsIsOnAVisibleWindowNamedAsItsField) {
    TConfiguredWindow window;
    const struct {
        const char* name;
        std::function<void()> act;
    } paths[] = {
        {"Tab, then Right to the second tariff",
         [] { TypeChord({VK_TAB}), TypeChord({VK_RIGHT}); }},
        {"a click on the amount field", [&] { ClickAt(window->tx_para.Handle(), 30, 14); }},
        {"a click on the start field", [&] { ClickAt(window->tx_saat.Handle(), 30, 16); }},
        {"a click on the first tariff", [&] { ClickAt(window->rb_fiyat1.Handle(), 10, 12); }},
        {"Enter in the start field", [] { TypeChord({VK_RETURN}); }},
    };
    for (const auto& path : paths) {
        SCOPED_TRACE(path.name);
        FocusEvents().clear();
        path.act();
        Pump();
        ASSERT_FALSE(FocusEvents().empty());
        for (const TFocusEvent& event : FocusEvents()) {
            const HWND field = FieldOf(*window, event.Window);
            SCOPED_TRACE(ClassOf(event.Window));
            EXPECT_TRUE(event.Visible) << "the focus landed on a hidden window";
            ASSERT_NE(field, nullptr) << "the focus landed on no field";
            const auto heard = ReadAccessible(event.Window);
            const auto own = ReadAccessible(field);
            ASSERT_TRUE(heard && own);
            EXPECT_EQ(heard->Name, own->Name);
            EXPECT_EQ(heard->Value, own->Value);
        }
    }
    EXPECT_EQ(FieldOf(*window, GetFocus()), window->tx_saat.Handle());
}

} // namespace
} // namespace velkaro::test
