#include "framework/Accessibility.h"

#include "framework/AccessibilityLibraries.h"

#include <atomic>

namespace velkaro {

namespace {

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT ReturnText(const std::optional<std::wstring>& text, BSTR* result) {
    if (result == nullptr) {
        return E_INVALIDARG;
    }
    *result = TAccessibilityLibraries::Get().sysAllocStringLen(text->data(),
                                                               static_cast<UINT>(text->size()));
    return *result != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The standard proxy of one window with the control's description laid over its own object
// (CHILDID_SELF); queries about children and every other member go to the proxy unchanged.
class AnnotatedProxy final : public IAccessible {
public:
    AnnotatedProxy(HWND window, IAccessible* proxy) : window_(window), proxy_(proxy) {}

    // IUnknown: the proxy's further interfaces (child enumeration, window) are handed out as the
    // proxy's own.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return proxy_->QueryInterface(iid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return proxy_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return proxy_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return proxy_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        return proxy_->Invoke(id, iid, locale, flags, parameters, result, exception, argumentError);
    }

    // IAccessible: the overlaid members.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return OverlaidText(child, name, &TAccessibleDescription::Name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return OverlaidText(child, value, &TAccessibleDescription::Value,
                            &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return OverlaidText(child, text, &TAccessibleDescription::Description,
                            &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (IsSelf(child) && role != nullptr) {
            if (const auto description = AccessibleDescriptionOf(window_);
                description && description->Role) {
                role->vt = VT_I4;
                role->lVal = *description->Role;
                return S_OK;
            }
        }
        return proxy_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = proxy_->get_accState(child, state);
        if (SUCCEEDED(result) && IsSelf(child) && state->vt == VT_I4) {
            if (const auto description = AccessibleDescriptionOf(window_)) {
                state->lVal |= description->State;
            }
        }
        return result;
    }

    // IAccessible: the proxy's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return proxy_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return proxy_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return proxy_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return proxy_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return proxy_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return proxy_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return proxy_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return proxy_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return proxy_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return proxy_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return proxy_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return proxy_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return proxy_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return proxy_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return proxy_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return proxy_->put_accValue(child, value);
    }

private:
    ~AnnotatedProxy() { proxy_->Release(); }

    // The control's text where its description has one for the object itself, else the proxy's.
    HRESULT OverlaidText(VARIANT child, BSTR* result,
                         std::optional<std::wstring> TAccessibleDescription::*text,
                         HRESULT (STDMETHODCALLTYPE IAccessible::*proxyText)(VARIANT, BSTR*)) {
        if (IsSelf(child)) {
            if (const auto description = AccessibleDescriptionOf(window_);
                description && *description.*text) {
                return ReturnText(*description.*text, result);
            }
        }
        return (proxy_->*proxyText)(child, result);
    }

    std::atomic<ULONG> references_{1};
    HWND window_;
    IAccessible* proxy_;
};

// Installed by the controls; nothing to describe until then.
TAccessibleDescriber describer = nullptr;

} // namespace

void SetAccessibleDescriber(TAccessibleDescriber describe) {
    describer = describe;
}

std::optional<TAccessibleDescription> AccessibleDescriptionOf(HWND window) {
    return describer != nullptr ? describer(window) : std::nullopt;
}

TAccessibleDescription DescribeStaticText(TAccessibleDescription description,
                                          const std::wstring& caption) {
    description.Role = ROLE_SYSTEM_STATICTEXT;
    if (!description.Name) {
        description.Name = caption;
    }
    description.State |= STATE_SYSTEM_READONLY;
    return description;
}

LRESULT AnswerAccessibleObject(HWND window, WPARAM wParam) {
    const TAccessibilityLibraries& libraries = TAccessibilityLibraries::Get();
    IAccessible* proxy = nullptr;
    if (!libraries.Loaded() ||
        FAILED(libraries.createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                   reinterpret_cast<void**>(&proxy)))) {
        return 0;
    }
    auto* annotated = new AnnotatedProxy(window, proxy);
    const LRESULT result = libraries.lresultFromObject(__uuidof(IAccessible), wParam, annotated);
    annotated->Release(); // LresultFromObject holds its own reference until the object is fetched
    return result >= 0 ? result : 0;
}

} // namespace velkaro
