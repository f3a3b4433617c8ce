#include "tests/windows/support/AccessibleReader.h"

#include <oleacc.h>

#include <algorithm>
#include <utility>

namespace velkaro::test {

namespace {

using TextMember = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

std::optional<std::wstring> ReadText(IAccessible& accessible, TextMember member,
                                     const VARIANT& self) {
    BSTR text = nullptr;
    if ((accessible.*member)(self, &text) != S_OK || text == nullptr) {
        return std::nullopt;
    }
    std::wstring taken(text, SysStringLen(text));
    SysFreeString(text);
    return taken;
}

// One recorder at a time: the hook procedure has no context of its own.
std::vector<std::pair<DWORD, HWND>>& RecordedEvents() {
    static std::vector<std::pair<DWORD, HWND>> events;
    return events;
}

void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                     DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) {
        RecordedEvents().emplace_back(event, window);
    }
}

} // namespace

std::optional<AccessibleReading> ReadAccessible(HWND window) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return std::nullopt;
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    AccessibleReading reading;
    VARIANT role;
    VariantInit(&role);
    if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4) {
        reading.Role = role.lVal;
    }
    VARIANT state;
    VariantInit(&state);
    if (SUCCEEDED(accessible->get_accState(self, &state)) && state.vt == VT_I4) {
        reading.State = state.lVal;
    }
    reading.Name = ReadText(*accessible, &IAccessible::get_accName, self);
    reading.Value = ReadText(*accessible, &IAccessible::get_accValue, self);
    reading.Description = ReadText(*accessible, &IAccessible::get_accDescription, self);
    accessible->Release();
    return reading;
}

AccessibleEventRecorder::AccessibleEventRecorder(DWORD processId) {
    RecordedEvents().clear();
    hook_ =
        SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Record, processId, 0, WINEVENT_OUTOFCONTEXT);
}

AccessibleEventRecorder::~AccessibleEventRecorder() {
    if (hook_ != nullptr) {
        UnhookWinEvent(hook_);
    }
    RecordedEvents().clear();
}

bool AccessibleEventRecorder::Raised(DWORD event, HWND window) {
    return Count(event, window) > 0;
}

int AccessibleEventRecorder::Count(DWORD event, HWND window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    const auto& events = RecordedEvents();
    return static_cast<int>(
        std::count(events.begin(), events.end(), std::make_pair(event, window)));
}

bool AccessibleEventRecorder::WaitFor(DWORD event, HWND window, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!Raised(event, window)) {
        if (GetTickCount() - start > milliseconds) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

void AccessibleEventRecorder::Clear() {
    RecordedEvents().clear();
}

} // namespace velkaro::test
