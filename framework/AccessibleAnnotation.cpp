#include "framework/AccessibleAnnotation.h"

#include "framework/Accessibility.h"
#include "framework/AccessibilityLibraries.h"

#include <iterator>

namespace velkaro {

namespace {

// UIA's live setting (LiveSetting_Property_GUID), which Windows 8 and later read from the
// annotation of a window that is not a UIA provider itself.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr long kLivePolite = 1;

const MSAAPROPID kAll[] = {PROPID_ACC_ROLE,        PROPID_ACC_NAME,  PROPID_ACC_VALUE,
                           PROPID_ACC_DESCRIPTION, PROPID_ACC_STATE, kLiveSettingProperty};

VARIANT Integer(long value) {
    VARIANT variant{};
    variant.vt = VT_I4;
    variant.lVal = value;
    return variant;
}

// The system's annotation service, made at the first request of assistive technology. It lives as
// long as the process: released at exit, it could outlive COM on this thread.
class TAnnotations {
public:
    static TAnnotations& Get() {
        static TAnnotations annotations;
        return annotations;
    }

    bool active = false;

    IAccPropServices* Service() {
        if (!made_) {
            made_ = true;
            const TAccessibilityLibraries& libraries = TAccessibilityLibraries::Get();
            if (!libraries.Loaded() ||
                FAILED(libraries.coCreateInstance(CLSID_AccPropServices, nullptr,
                                                  CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                                  reinterpret_cast<void**>(&service_)))) {
                service_ = nullptr;
            }
        }
        return service_;
    }

    // A service that says it does not do this (Wine's does nothing) is not asked again.
    void Answered(HRESULT result) {
        if (result == E_NOTIMPL && service_ != nullptr) {
            service_->Release();
            service_ = nullptr;
        }
    }

private:
    TAnnotations() = default;

    bool made_ = false;
    IAccPropServices* service_ = nullptr;
};

// The service once assistive technology has asked for an object; null before, or without one.
IAccPropServices* ActiveService() {
    TAnnotations& annotations = TAnnotations::Get();
    return annotations.active ? annotations.Service() : nullptr;
}

// One call to the service, while there is one that does what is asked.
template <class Call> void Ask(const Call& call) {
    if (IAccPropServices* service = ActiveService(); service != nullptr) {
        TAnnotations::Get().Answered(call(*service));
    }
}

void Clear(HWND window, const MSAAPROPID* properties, int count) {
    if (count > 0) {
        Ask([&](IAccPropServices& service) {
            return service.ClearHwndProps(window, OBJID_CLIENT, CHILDID_SELF, properties, count);
        });
    }
}

void SetInteger(HWND window, const MSAAPROPID& property, long value) {
    Ask([&](IAccPropServices& service) {
        return service.SetHwndProp(window, OBJID_CLIENT, CHILDID_SELF, property, Integer(value));
    });
}

// The state the system's proxy gives the window now (focus, availability, visibility), with the
// control's own flags added. The state written before is cleared first so that the proxy does
// not answer with it.
long StateWith(HWND window, long flags) {
    Clear(window, &PROPID_ACC_STATE, 1);
    IAccessible* proxy = nullptr;
    if (FAILED(TAccessibilityLibraries::Get().createStdAccessibleObject(
            window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&proxy)))) {
        return flags;
    }
    VARIANT state{};
    if (FAILED(proxy->get_accState(Integer(CHILDID_SELF), &state)) || state.vt != VT_I4) {
        state = Integer(0);
    }
    proxy->Release();
    return state.lVal | flags;
}

BOOL CALLBACK AnnotateWindowAndChildren(HWND window, LPARAM) {
    AnnotateAccessible(window);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM) -> BOOL {
            AnnotateAccessible(child);
            return TRUE;
        },
        0);
    return TRUE;
}

} // namespace

void AccessibilityRequested() {
    TAnnotations& annotations = TAnnotations::Get();
    if (!annotations.active) {
        annotations.active = true;
        EnumThreadWindows(GetCurrentThreadId(), AnnotateWindowAndChildren, 0);
    }
}

bool AccessibilityActive() {
    return TAnnotations::Get().active;
}

void AnnotateAccessible(HWND window) {
    const auto description =
        ActiveService() != nullptr ? AccessibleDescriptionOf(window) : std::nullopt;
    if (!description) {
        return;
    }
    MSAAPROPID lacking[std::size(kAll)];
    int lackingCount = 0;
    const auto setText = [&](const MSAAPROPID& property, const std::optional<std::wstring>& text) {
        if (!text) {
            lacking[lackingCount++] = property;
            return;
        }
        Ask([&](IAccPropServices& service) {
            return service.SetHwndPropStr(window, OBJID_CLIENT, CHILDID_SELF, property,
                                          text->c_str());
        });
    };
    if (description->Role) {
        SetInteger(window, PROPID_ACC_ROLE, *description->Role);
    } else {
        lacking[lackingCount++] = PROPID_ACC_ROLE;
    }
    setText(PROPID_ACC_NAME, description->Name);
    setText(PROPID_ACC_VALUE, description->Value);
    setText(PROPID_ACC_DESCRIPTION, description->Description);
    // Only flags of the control's own need the state written; the proxy knows the rest.
    if (description->State != 0) {
        SetInteger(window, PROPID_ACC_STATE, StateWith(window, description->State));
    } else {
        lacking[lackingCount++] = PROPID_ACC_STATE;
    }
    Clear(window, lacking, lackingCount);
}

void ClearAccessibleAnnotation(HWND window) {
    Clear(window, kAll, static_cast<int>(std::size(kAll)));
}

void AnnotateLiveRegion(HWND window) {
    SetInteger(window, kLiveSettingProperty, kLivePolite);
}

void NotifyAccessibleEvent(HWND window, DWORD event) {
    if (window != nullptr) {
        AnnotateAccessible(window);
        NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
    }
}

} // namespace velkaro
