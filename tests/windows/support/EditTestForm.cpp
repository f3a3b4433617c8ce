#include "tests/windows/support/EditTestForm.h"

#include "editors/cxEdit/cxEditBeep.h"
#include "framework/Application.h"

namespace velkaro::test {

namespace {

int beeps = 0;

void CountBeep() {
    ++beeps;
}

void SetShiftState(TShiftState shift) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = (shift & ssShift) != 0 ? 0x80 : 0;
    state[VK_CONTROL] = (shift & ssCtrl) != 0 ? 0x80 : 0;
    state[VK_MENU] = (shift & ssAlt) != 0 ? 0x80 : 0;
    SetKeyboardState(state);
}

} // namespace

TBeepCounter::TBeepCounter() {
    beeps = 0;
    SetEditBeepHook(CountBeep);
}

TBeepCounter::~TBeepCounter() {
    SetEditBeepHook(nullptr);
}

int TBeepCounter::Count() const {
    return beeps;
}

void CountChanges(TcxCustomEditProperties& properties, TChangeCounts& counts) {
    properties.OnChange = [&counts](TObject*) { ++counts.Change; };
    properties.OnEditValueChanged = [&counts](TObject*) { ++counts.EditValueChanged; };
}

void PressKey(WORD key, TShiftState shift) {
    SetShiftState(shift);
    const HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    Application().ProcessMessages();
    PostMessageW(GetFocus() != nullptr ? GetFocus() : focus, WM_KEYUP, key, 0xC0000001);
    Application().ProcessMessages();
    SetShiftState(0);
}

void TypeText(const std::wstring& text) {
    for (const wchar_t c : text) {
        const SHORT scan = VkKeyScanW(c);
        const TShiftState shift = (HIBYTE(scan) & 1) != 0 ? ssShift : 0;
        PressKey(LOBYTE(scan), shift);
    }
}

bool HasFocus(const TcxCustomEdit& edit) {
    const HWND focus = GetFocus();
    return focus != nullptr &&
           (focus == edit.Handle() ||
            (edit.InnerEdit() != nullptr && focus == edit.InnerEdit()->Control().Handle()));
}

HWND InnerWindow(const TcxCustomEdit& edit) {
    return edit.InnerEdit()->Control().Handle();
}

TEditForm::TEditForm(int editCount) {
    Form.SetClientSize(300, 40 + 30 * editCount);
    for (int i = 0; i < editCount; ++i) {
        Edits.push_back(std::make_unique<TcxTextEdit>(&Form));
        Edits.back()->SetBounds(10, 10 + 30 * i, 150, 21);
    }
}

void TEditForm::Show() {
    Form.Show();
    Edit(0).SetFocus();
    Application().ProcessMessages();
}

} // namespace velkaro::test
