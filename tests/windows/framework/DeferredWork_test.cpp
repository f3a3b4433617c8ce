// The service where it meets the windows: the focus generation that focus messages and modal
// loops move on, and the system's own modal loops.
#include "framework/DeferredWork.h"

#include "framework/Edit.h"
#include "framework/FocusState.h"
#include "framework/Form.h"
#include "tests/windows/support/ApplicationTest.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace velkaro::test {
namespace {

// What a move, or the input that asked for it, learns of what came after it.
TEST(FocusGenerationTest, AFocusMoveIsSupersededByAnyLaterFocusEventAndInputOnlyByAnInterruption) {
    const struct {
        const char* name;
        std::function<void()> event;
        bool superseded;
        bool interrupted;
    } cases[] = {
        {"nothing", [] {}, false, false},
        {"the focus arrives elsewhere", [] { FocusArrivedAt(nullptr); }, true, false},
        {"the focus leaves", [] { FocusLeftFor(nullptr, false); }, true, false},
        {"a move refused", [] { NoteInputInterrupted(); }, true, true},
        {"a modal loop", [] { const TModalLoop modal; }, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TFocusGeneration move;
        const TInputWatch input;
        c.event();
        EXPECT_EQ(move.Superseded(), c.superseded);
        EXPECT_EQ(input.Interrupted(), c.interrupted);
    }
}

using SystemModalLoopTest = ApplicationTest;

// The system's own menus are modal loops as ours are: what the handler that opened one put off
// has run when the menu shows.
TEST_F(SystemModalLoopTest, WhatIsPendingRunsBeforeTheSystemsOwnMenuShows) {
    TForm form;
    form.SetClientSize(200, 60);
    TEdit edit(&form);
    edit.SetBounds(10, 10, 120, 22);
    form.Show();
    const struct {
        const char* name;
        std::function<void()> open;
    } cases[] = {
        {"a native edit's menu",
         [&] {
             POINT corner = {15, 15};
             ClientToScreen(edit.Handle(), &corner);
             SendMessageW(edit.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit.Handle()),
                          MAKELPARAM(corner.x, corner.y));
         }},
        {"the system menu", [&] { SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_KEYMENU, L' '); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string log;
        TDeferred entry([&log] { log += "pending work;"; });
        const TWindowAnswer answer(L"#32768", [&log](HWND) {
            log += "menu;";
            EndMenu();
        });
        {
            const TMessageDispatch handler;
            entry.Schedule();
            c.open();
        }
        EXPECT_EQ(log, "pending work;menu;");
    }
}

} // namespace
} // namespace velkaro::test
