#include "editors/cxEdit/cxEditConsts.h"
#include "editors/cxEdit/cxEditKeys.h"
#include "editors/cxMaskEdit/cxMaskEdit.h"
#include "editors/cxTextEdit/cxTextEdit.h"
#include "framework/Application.h"
#include "framework/Clipboard.h"
#include "runtime/Exceptions.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/RealInput.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <functional>

namespace velkaro::test {
namespace {

using TextEditTest = ApplicationTest;

// The value model's own rows (a value by code, typing, leaving) run natively on it
// (cxEditValue_test.cpp); these are the ones the window's text and keys add.
struct ChangeCase {
    const char* name;
    // Runs with the form shown and the focus in the first edit, whose value is "start".
    std::function<void(TEditForm&)> act;
    TChangeCounts counts;
    std::wstring text;
    Variant editValue;
};

TEST_F(TextEditTest, ChangeEventsFireAsTheValueAndTextReallyChange) {
    const ChangeCase cases[] = {
        {"text set by code",
         [](TEditForm& f) { f.Edit(0).SetText(L"code"); },
         {1, 1},
         L"code",
         Variant(L"code")},
        {"the same text set by code",
         [](TEditForm& f) { f.Edit(0).SetText(L"start"); },
         {0, 0},
         L"start",
         Variant(L"start")},
        {"Escape after typing returns to the value at entry",
         [](TEditForm&) {
             TypeText(L"xy");
             PressKey(VK_ESCAPE);
             PressKey(VK_TAB);
         },
         {3, 0},
         L"start",
         Variant(L"start")},
        {"Enter without validation on Enter commits nothing",
         [](TEditForm&) {
             TypeText(L"q");
             PressKey(VK_RETURN);
         },
         {1, 0},
         L"q",
         Variant(L"start")},
        {"Enter with validation on Enter commits",
         [](TEditForm& f) {
             f.Edit(0).Properties().SetValidateOnEnter(true);
             TypeText(L"q");
             PressKey(VK_RETURN);
         },
         {1, 1},
         L"q",
         Variant(L"q")},
        {"a read-only edit swallows typing",
         [](TEditForm& f) {
             f.Edit(0).Properties().SetReadOnly(true);
             TypeText(L"xy");
             PressKey(VK_BACK);
             PressKey(VK_DELETE);
             PressKey(VK_TAB);
         },
         {0, 0},
         L"start",
         Variant(L"start")},
        {"the clear shortcut empties the value",
         [](TEditForm& f) {
             f.Edit(0).Properties().SetClearKey(ShortCutOf(VK_DELETE, ssCtrl));
             PressKey(VK_DELETE, ssCtrl);
         },
         {1, 1},
         L"",
         Variant()},
    };
    for (const auto& c : cases) {
        TEditForm form;
        form.Edit(0).SetEditValue(L"start");
        TChangeCounts counts;
        CountChanges(form.Edit(0).Properties(), counts);
        form.Show();
        c.act(form);
        EXPECT_EQ(counts, c.counts) << c.name;
        EXPECT_EQ(form.Edit(0).Text(), c.text) << c.name;
        EXPECT_EQ(form.Edit(0).EditValue(), c.editValue) << c.name;
        EXPECT_TRUE(ReportedErrors().empty()) << c.name;
    }
}

TEST_F(TextEditTest, TextSetByCodeForgetsAPendingUserModification) {
    TEditForm form;
    form.Edit(0).SetText(L"abc");
    form.Show();
    TypeText(L"d");
    EXPECT_TRUE(form.Edit(0).ValueModel().TextModified());
    form.Edit(0).SetText(L"d");
    EXPECT_FALSE(form.Edit(0).ValueModel().TextModified());
    EXPECT_FALSE(form.Edit(0).ValueModel().EditingActive());
}

TEST_F(TextEditTest, WindowTextMessagesFollowTheBufferRules) {
    TEditForm form(1);
    form.Show();
    TcxTextEdit& edit = form.Edit(0);
    const HWND window = edit.Handle();
    EXPECT_EQ(SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ab\0cd")), 1);
    EXPECT_EQ(edit.Text(), L"ab");
    edit.SetText(std::wstring(L"hello\0world", 11));
    EXPECT_EQ(edit.Text(), L"hello");
    EXPECT_EQ(edit.EditValue(), Variant(L"hello"));

    EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 5);
    wchar_t buffer[8] = L"xxxxxxx";
    EXPECT_EQ(SendMessageW(window, WM_GETTEXT, 3, reinterpret_cast<LPARAM>(buffer)), 2);
    EXPECT_EQ(std::wstring(buffer), L"he");
    EXPECT_EQ(SendMessageW(window, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(buffer[0], L'h');
    EXPECT_EQ(SendMessageW(window, WM_GETTEXT, 8, reinterpret_cast<LPARAM>(buffer)), 5);
    EXPECT_EQ(std::wstring(buffer), L"hello");

    // Typed but not committed: the window text is what the user sees.
    edit.SetSelStart(5);
    TypeText(L"!");
    EXPECT_EQ(edit.Caption(), L"hello!");
    EXPECT_EQ(edit.EditValue(), Variant(L"hello"));
    const HWND inner = edit.InnerEdit()->Control().Handle();
    EXPECT_EQ(SendMessageW(inner, WM_GETTEXTLENGTH, 0, 0), 6);
}

// The run's locale is Turkish, whose case rules pair "i" with "İ" and "ı" with "I". However the
// text arrives, the edit converts it by those rules, a masked one as well.
TEST_F(TextEditTest, CharCaseConvertsByTheRulesOfTheUsersLocale) {
    struct Case {
        const char* name;
        TEditCharCase charCase;
        const wchar_t* mask;
        std::function<void(TcxCustomTextEdit&)> enter; // into the focused edit, given "x" first
        std::wstring text;
    };
    const auto written = [](std::wstring text) {
        return [text](TcxCustomTextEdit& edit) { edit.SetText(text); };
    };
    const auto typed = [](std::wstring text) {
        return [text](TcxCustomTextEdit& edit) {
            edit.SelectAll();
            TypeCharacters(text);
        };
    };
    const auto pasted = [](std::wstring text) {
        return [text](TcxCustomTextEdit& edit) {
            edit.SelectAll();
            SetClipboardText(text);
            edit.PasteFromClipboard();
        };
    };
    const Case cases[] = {
        {"written", ecUpperCase, L"", written(L"\x15Fi\x131z\x11F"), L"\x15E\x130IZ\x11E"},
        {"written small", ecLowerCase, L"", written(L"\x15EI\x130Z"), L"\x15F\x131iz"},
        {"typed", ecUpperCase, L"", typed(L"\x15Fi\x131z"), L"\x15E\x130IZ"},
        {"typed small", ecLowerCase, L"", typed(L"\x15EI\x130Z"), L"\x15F\x131iz"},
        {"pasted", ecUpperCase, L"", pasted(L"\xE7i"), L"\xC7\x130"},
        {"typed under a mask", ecUpperCase, L"cccc;0;_", typed(L"\x15Fi\x131z"), L"\x15E\x130IZ"},
        {"written under a mask", ecUpperCase, L"cccc;0;_",
         written(L"i\x131"
                 L"ab"),
         L"\x130IAB"},
    };
    for (const Case& c : cases) {
        TForm form;
        form.SetClientSize(200, 60);
        TcxMaskEdit edit(&form);
        edit.SetBounds(10, 10, 150, 21);
        edit.Properties().SetCharCase(c.charCase);
        edit.Properties().SetEditMask(c.mask);
        edit.SetText(L"x");
        form.Show();
        edit.SetFocus();
        Application().ProcessMessages();
        c.enter(edit);
        EXPECT_EQ(edit.Text(), c.text) << c.name;
        EXPECT_EQ(SendMessageW(edit.InnerEdit()->Control().Handle(), WM_GETTEXTLENGTH, 0, 0),
                  static_cast<LRESULT>(c.text.size()))
            << c.name;
        PressKey(VK_RETURN);
        EXPECT_EQ(edit.EditValue(), Variant(c.text)) << c.name;
    }
}

// Lookup items match the typed text after both are put in capitals by the same rules.
TEST_F(TextEditTest, LookupItemsCompareByTheRulesOfTheUsersLocale) {
    TEditForm form(2);
    TcxTextEdit& edit = form.Edit(0);
    edit.Properties().SetLookupItems({L"\x130ZM\x130R", L"IRMAK"});
    std::vector<std::wstring> newTexts;
    edit.Properties().OnNewLookupDisplayText = [&](TObject*, const std::wstring& text) {
        newTexts.push_back(text);
    };
    form.Show();
    TypeText(L"iz");
    EXPECT_EQ(edit.Text(), L"izM\x130R");
    EXPECT_EQ(edit.SelLength(), 3);
    form.Edit(1).SetFocus();
    edit.SetFocus();
    edit.SelectAll();
    TypeCharacters(L"\x131rmak");
    form.Edit(1).SetFocus();
    edit.SetFocus();
    edit.SelectAll();
    TypeText(L"irmak"); // "İRMAK" in capitals: not an item
    form.Edit(1).SetFocus();
    EXPECT_EQ(newTexts, std::vector<std::wstring>{L"irmak"});
}

TEST_F(TextEditTest, PasswordEchoShowsStarsAndKeepsTheText) {
    TEditForm form(2);
    TcxTextEdit& edit = form.Edit(0);
    edit.Properties().SetEchoMode(eemPassword);
    form.Show();
    TypeText(L"secret");
    EXPECT_EQ(edit.Text(), L"secret");
    const HWND inner = edit.InnerEdit()->Control().Handle();
    EXPECT_EQ(SendMessageW(inner, EM_GETPASSWORDCHAR, 0, 0), L'*');
    edit.Properties().SetEchoMode(eemNormal);
    EXPECT_EQ(SendMessageW(inner, EM_GETPASSWORDCHAR, 0, 0), 0);
}

TEST_F(TextEditTest, ClipboardMessagesRespectReadOnly) {
    TEditForm form(1);
    TcxTextEdit& edit = form.Edit(0);
    edit.SetText(L"hello");
    form.Show();
    edit.SetSelStart(1);
    edit.SetSelLength(3);
    edit.CutToClipboard();
    EXPECT_EQ(edit.Text(), L"ho");
    EXPECT_EQ(GetClipboardText(), L"ell");
    EXPECT_EQ(edit.SelStart(), 1);

    edit.Properties().SetReadOnly(true);
    edit.SelectAll();
    SetClipboardText(L"new");
    edit.PasteFromClipboard();
    edit.ClearSelection();
    edit.CutToClipboard(); // only copies
    EXPECT_EQ(edit.Text(), L"ho");
    EXPECT_EQ(GetClipboardText(), L"ho");

    edit.Properties().SetReadOnly(false);
    edit.SelectAll();
    edit.ClearSelection();
    EXPECT_EQ(edit.Text(), L"");
    // The inner edit forwards the messages the native edit would handle itself.
    SetClipboardText(L"xyz");
    SendMessageW(edit.InnerEdit()->Control().Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit.Text(), L"xyz");
}

TEST_F(TextEditTest, ReadOnlyEditSwallowsKeysWithoutABeep) {
    TBeepCounter beeps;
    TEditForm form(1);
    TcxTextEdit& edit = form.Edit(0);
    edit.Properties().SetReadOnly(true);
    edit.Properties().SetBeepOnError(true);
    edit.SetText(L"fixed");
    int editing = 0;
    edit.OnEditing = [&editing](TObject*, bool&) { ++editing; };
    form.Show();
    TypeText(L"ab");
    PressKey(VK_BACK);
    PressKey(VK_DELETE);
    EXPECT_EQ(edit.Text(), L"fixed");
    EXPECT_EQ(beeps.Count(), 0);
    EXPECT_EQ(editing, 0);
    // Code still writes it.
    edit.SetText(L"by code");
    EXPECT_EQ(edit.Text(), L"by code");
}

TEST_F(TextEditTest, OnEditingIsAskedUntilItAllowsThenNotAgainUntilCommitted) {
    TEditForm form;
    TcxTextEdit& edit = form.Edit(0);
    int asked = 0;
    bool allow = false;
    edit.OnEditing = [&](TObject*, bool& canEdit) {
        ++asked;
        canEdit = allow;
    };
    form.Show();
    TypeText(L"a");
    EXPECT_EQ(edit.Text(), L"");
    EXPECT_EQ(asked, 1);
    allow = true;
    TypeText(L"bc");
    EXPECT_EQ(edit.Text(), L"bc");
    EXPECT_EQ(asked, 2);
    PressKey(VK_TAB);
    PressKey(VK_TAB, ssShift);
    TypeText(L"d");
    EXPECT_EQ(asked, 3);
}

TEST_F(TextEditTest, TheErrorTextsAreInTheProgramsStringTable) {
    for (const int id : {cxSEditInvalidInput, cxSEditValueOutOfBounds,
                         cxSEditRepositoryItemNotAcceptable, cxSEditInvalidValue}) {
        wchar_t buffer[128] = {};
        EXPECT_GT(LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id), buffer, 128), 0)
            << id;
        EXPECT_EQ(cxGetResourceString(id), buffer);
    }
    EXPECT_EQ(cxGetResourceString(cxSEditRepositoryItemNotAcceptable),
              L"The repository item is not acceptable");
}

TEST_F(TextEditTest, ARepositoryItemOfTheWrongKindIsRefused) {
    TcxEditRepository repository;
    auto& plain = repository.CreateItem(L"plain", [](IcxEditPropertiesOwner* owner) {
        return std::make_unique<TcxCustomEditProperties>(owner);
    });
    auto& text = repository.CreateItem(L"text", [](IcxEditPropertiesOwner* owner) {
        return std::make_unique<TcxTextEditProperties>(owner);
    });
    TEditForm form(1);
    TcxTextEdit& edit = form.Edit(0);
    try {
        edit.SetRepositoryItem(&plain);
        FAIL() << "accepted";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), L"The repository item is not acceptable");
    }
    EXPECT_EQ(edit.RepositoryItem(), nullptr);

    edit.SetRepositoryItem(&text);
    static_cast<TcxTextEditProperties&>(text.Properties()).SetCharCase(ecUpperCase);
    edit.SetText(L"shared");
    EXPECT_EQ(edit.Text(), L"SHARED");
    repository.RemoveItem(text);
    EXPECT_EQ(edit.RepositoryItem(), nullptr);
    edit.SetText(L"own");
    EXPECT_EQ(edit.Text(), L"own");
}

} // namespace
} // namespace velkaro::test
