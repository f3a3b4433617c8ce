// The core's rules for the changes a user makes, through real messages: when a change is
// committed, who may refuse it, which keys the edit keeps, and when its events fire.
#include "editors/cxEdit/cxEditDefaultValuesProvider.h"
#include "editors/cxTextEdit/cxTextEdit.h"
#include "framework/Application.h"
#include "framework/Clipboard.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace velkaro::test {
namespace {

using EditChangesTest = ApplicationTest;

// The clipboard commands as the inner edit receives them, on "abcdef" with "cd" selected and
// "XY" on the clipboard.
struct ClipboardRoute {
    const char* name;
    UINT message;
    const wchar_t* changed;
};

constexpr ClipboardRoute kClipboardRoutes[] = {
    {"paste", WM_PASTE, L"abXYef"},
    {"cut", WM_CUT, L"abef"},
    {"clear", WM_CLEAR, L"abef"},
};

void SendClipboardCommand(TcxTextEdit& edit, UINT message) {
    edit.SetSelStart(2);
    edit.SetSelLength(2);
    SetClipboardText(L"XY");
    SendMessageW(InnerWindow(edit), message, 0, 0);
}

TEST_F(EditChangesTest, ClipboardChangesAreCommittedOnLeaving) {
    for (const auto& route : kClipboardRoutes) {
        TEditForm form;
        TcxTextEdit& edit = form.Edit(0);
        edit.SetText(L"abcdef");
        TChangeCounts counts;
        CountChanges(edit.Properties(), counts);
        form.Show();
        SendClipboardCommand(edit, route.message);
        EXPECT_EQ(edit.Text(), route.changed) << route.name;
        EXPECT_EQ(edit.EditValue(), Variant(L"abcdef")) << route.name;
        EXPECT_TRUE(edit.ValueModel().TextModified()) << route.name;
        EXPECT_EQ(counts, (TChangeCounts{1, 0})) << route.name;
        PressKey(VK_TAB);
        EXPECT_EQ(edit.EditValue(), Variant(route.changed)) << route.name;
        EXPECT_EQ(counts, (TChangeCounts{1, 1})) << route.name;
    }
}

TEST_F(EditChangesTest, ClipboardChangesAskOnEditing) {
    for (const auto& route : kClipboardRoutes) {
        TEditForm form;
        TcxTextEdit& edit = form.Edit(0);
        edit.SetText(L"abcdef");
        int asked = 0;
        edit.OnEditing = [&asked](TObject*, bool& canEdit) {
            ++asked;
            canEdit = false;
        };
        form.Show();
        SendClipboardCommand(edit, route.message);
        EXPECT_EQ(edit.Text(), L"abcdef") << route.name;
        EXPECT_FALSE(edit.ValueModel().TextModified()) << route.name;
        EXPECT_EQ(asked, 1) << route.name;
    }
}

TEST_F(EditChangesTest, RefusedDeleteAndBackspaceGoToTheHost) {
    TEditForm form;
    TcxTextEdit& edit = form.Edit(0);
    edit.SetText(L"abc");
    edit.OnEditing = [](TObject*, bool& canEdit) { canEdit = false; };
    std::vector<std::uint16_t> hostKeys;
    edit.HostKeyHook = [&hostKeys](TObject*, std::uint16_t& key, TShiftState) {
        hostKeys.push_back(key);
    };
    form.Show();
    edit.SetSelStart(1);
    PressKey(VK_DELETE);
    PressKey(VK_BACK);
    EXPECT_EQ(edit.Text(), L"abc");
    EXPECT_EQ(hostKeys, (std::vector<std::uint16_t>{VK_DELETE, VK_BACK}));
}

// Without AutoSelect the focus coming back selects nothing by itself.
TEST_F(EditChangesTest, AnErrorOnLeavingSelectsTheWholeText) {
    TEditForm form;
    TcxTextEdit& edit = form.Edit(0);
    edit.Properties().SetAutoSelect(false);
    edit.Properties().OnValidate = [](TObject*, Variant&, std::wstring&, bool& error) {
        error = true;
    };
    form.Show();
    TypeText(L"bad");
    PressKey(VK_TAB);
    EXPECT_EQ(ReportedErrors().size(), 1u);
    EXPECT_TRUE(HasFocus(edit));
    EXPECT_EQ(edit.SelStart(), 0);
    EXPECT_EQ(edit.SelLength(), 3);
}

// Whether the edit took a key for itself (the message answered 0) or left it to the native edit
// (which answers 1 under Wine).
struct KeptKeyCase {
    const char* name;
    std::function<void(TcxTextEdit&)> prepare;
    UINT message;
    WPARAM key;
    bool kept;
};

TEST_F(EditChangesTest, KeysTheEditKeepsAndKeysItLeaves) {
    const KeptKeyCase cases[] = {
        {"Escape before any typing", [](TcxTextEdit&) {}, WM_KEYDOWN, VK_ESCAPE, false},
        {"Escape after typing", [](TcxTextEdit&) { TypeText(L"x"); }, WM_KEYDOWN, VK_ESCAPE, true},
        {"Enter with BeepOnEnter", [](TcxTextEdit&) {}, WM_CHAR, L'\r', false},
        {"Enter without BeepOnEnter", [](TcxTextEdit& edit) { edit.SetBeepOnEnter(false); },
         WM_CHAR, L'\r', true},
    };
    for (const auto& c : cases) {
        TEditForm form;
        TcxTextEdit& edit = form.Edit(0);
        edit.SetText(L"start");
        form.Show();
        c.prepare(edit);
        const LRESULT answer = SendMessageW(InnerWindow(edit), c.message, c.key, 1);
        EXPECT_EQ(answer == 0, c.kept) << c.name;
        EXPECT_EQ(edit.Text(), L"start") << c.name;
    }
}

// Characters its value source takes, and the ones the edit adds.
class DigitsOnly : public TcxCustomEditDefaultValuesProvider {
public:
    bool IsValidChar(wchar_t c) const override { return c >= L'0' && c <= L'9'; }
};

TEST_F(EditChangesTest, TypedCharactersAreThoseTheEditAccepts) {
    TEditForm form;
    TcxTextEdit& edit = form.Edit(0);
    edit.Properties().SetDefaultValuesProvider(std::make_shared<DigitsOnly>());
    edit.Properties().ValidChars().set(L'-');
    form.Show();
    TypeText(L"1a-b2");
    EXPECT_EQ(edit.Text(), L"1-2");
}

} // namespace
} // namespace velkaro::test
