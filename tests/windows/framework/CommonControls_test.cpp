// The common controls are loaded only for the dialogs' buttons and edits. This program carries
// the program's second manifest (CommonControls_test.rc), as velkaro.exe does.
#include "framework/Application.h"
#include "framework/Buttons.h"
#include "framework/Form.h"
#include "framework/StdCtrls.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace velkaro {
namespace {

bool CommonControlsLoaded() {
    return GetModuleHandleW(L"comctl32.dll") != nullptr;
}

// Only the buttons of version 6 know their ideal size.
bool IsCommonControlsButton(HWND button) {
    SIZE size{};
    return SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&size)) != FALSE;
}

TEST(CommonControls, OnlyTheDialogsButtonsAndEditsLoadThem) {
    test::StartApplication();
    ASSERT_FALSE(CommonControlsLoaded()) << "loaded before any window";

    // A window like the main one: its radio buttons are plain system buttons.
    TForm plain;
    TRadioButton radio(&plain);
    plain.SetClientSize(200, 100);
    plain.Show();
    EXPECT_FALSE(CommonControlsLoaded());
    EXPECT_FALSE(IsCommonControlsButton(radio.Handle()));

    TForm dialog;
    TButton button(&dialog);
    TEdit edit(&dialog);
    edit.SetBounds(0, 40, 121, 21);
    dialog.SetClientSize(200, 100);
    dialog.Show();
    EXPECT_TRUE(CommonControlsLoaded());
    EXPECT_TRUE(IsCommonControlsButton(button.Handle()));
    // The edit of version 6 takes a cue banner.
    EXPECT_TRUE(
        SendMessageW(edit.Handle(), EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(L"cue")));

    // Another plain window afterwards still gets the plain class.
    TRadioButton later(&plain);
    later.SetBounds(0, 40, 113, 17);
    later.HandleNeeded();
    EXPECT_FALSE(IsCommonControlsButton(later.Handle()));
}

} // namespace
} // namespace velkaro
