// What the main window writes for the system's proxies to read (dynamic annotation), seen by a
// service of the test's own registered in its place: Wine's service writes nothing (every call
// answers E_NOTIMPL), so no reader in another process can show it.
#include "tests/windows/support/AccessibleReader.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/ConfiguredWindow.h"

#include "editors/cxLabel/cxLabel.h"
#include "framework/Application.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <map>
#include <variant>

namespace velkaro::test {
namespace {

using Written = std::variant<long, std::wstring>;

// What each property is called in the expectations.
std::wstring PropertyName(const MSAAPROPID& property) {
    static const std::pair<const GUID*, const wchar_t*> names[] = {
        {&PROPID_ACC_ROLE, L"role"},
        {&PROPID_ACC_NAME, L"name"},
        {&PROPID_ACC_VALUE, L"value"},
        {&PROPID_ACC_DESCRIPTION, L"description"},
        {&PROPID_ACC_STATE, L"state"}};
    for (const auto& [guid, name] : names) {
        if (IsEqualGUID(*guid, property)) {
            return name;
        }
    }
    // UIA's live setting, the one other property written.
    static constexpr GUID liveSetting = {
        0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
    return IsEqualGUID(property, liveSetting) ? L"live" : L"other";
}

// The annotation service as the system's would keep it, per window and property.
class TRecordingService final : public IAccPropServices, public IClassFactory {
public:
    std::map<std::pair<HWND, std::wstring>, Written> written;
    int calls = 0;
    HRESULT answer = S_OK;

    std::optional<Written> Read(HWND window, const std::wstring& property) const {
        const auto found = written.find({window, property});
        return found != written.end() ? std::optional(found->second) : std::nullopt;
    }
    bool AnyFor(HWND window) const {
        return std::any_of(written.begin(), written.end(),
                           [&](const auto& entry) { return entry.first.first == window; });
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IAccPropServices) {
            *object = static_cast<IAccPropServices*>(this);
        } else if (iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** object) override {
        return QueryInterface(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

    HRESULT STDMETHODCALLTYPE SetHwndProp(HWND window, DWORD object, DWORD child,
                                          MSAAPROPID property, VARIANT value) override {
        return Write(window, object, child, property, value.lVal);
    }
    HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND window, DWORD object, DWORD child,
                                             MSAAPROPID property, LPCWSTR text) override {
        return Write(window, object, child, property, std::wstring(text));
    }
    HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND window, DWORD object, DWORD child,
                                             const MSAAPROPID* properties, int count) override {
        ++calls;
        EXPECT_TRUE(object == static_cast<DWORD>(OBJID_CLIENT) && child == CHILDID_SELF);
        for (int i = 0; i < count && answer == S_OK; ++i) {
            written.erase({window, PropertyName(properties[i])});
        }
        return answer;
    }

    HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override {
        return Unexpected();
    }
    HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int,
                                            IAccPropServer*, AnnoScope) override {
        return Unexpected();
    }
    HRESULT STDMETHODCALLTYPE ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override {
        return Unexpected();
    }
    HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int,
                                                IAccPropServer*, AnnoScope) override {
        return Unexpected();
    }
    HRESULT STDMETHODCALLTYPE ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**,
                                                        DWORD*) override {
        return Unexpected();
    }
    HRESULT STDMETHODCALLTYPE DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*,
                                                          DWORD*) override {
        return Unexpected();
    }
    HRESULT STDMETHODCALLTYPE SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override {
        return Unexpected();
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override {
        return Unexpected();
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int,
                                                 IAccPropServer*, AnnoScope) override {
        return Unexpected();
    }
    HRESULT STDMETHODCALLTYPE ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override {
        return Unexpected();
    }
    HRESULT STDMETHODCALLTYPE ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override {
        return Unexpected();
    }
    HRESULT STDMETHODCALLTYPE DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*,
                                                           DWORD*) override {
        return Unexpected();
    }

private:
    HRESULT Write(HWND window, DWORD object, DWORD child, const MSAAPROPID& property,
                  Written value) {
        ++calls;
        EXPECT_TRUE(object == static_cast<DWORD>(OBJID_CLIENT) && child == CHILDID_SELF);
        if (answer == S_OK) {
            written[{window, PropertyName(property)}] = std::move(value);
        }
        return answer;
    }
    static HRESULT Unexpected() {
        ADD_FAILURE() << "a call the program does not make";
        return E_NOTIMPL;
    }
};

struct Annotation {
    const char* control;
    HWND window;
    std::wstring property;
    std::optional<Written> value; // none: not written
};

void ExpectWritten(const TRecordingService& service, const std::vector<Annotation>& expected) {
    for (const auto& e : expected) {
        SCOPED_TRACE(std::string(e.control) + " " +
                     std::string(e.property.begin(), e.property.end()));
        EXPECT_EQ(service.Read(e.window, e.property), e.value);
    }
}

// Only the program's own flags are checked: the rest of the state is the system proxy's.
long StateFlags(const std::optional<Written>& state) {
    return state ? std::get<long>(*state) & (STATE_SYSTEM_CHECKED | STATE_SYSTEM_READONLY) : 0;
}

class AccessibleAnnotation : public ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_EQ(CoRegisterClassObject(CLSID_AccPropServices,
                                        static_cast<IClassFactory*>(&service_),
                                        CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_),
                  S_OK);
    }
    void TearDown() override {
        CoRevokeClassObject(cookie_);
        CoUninitialize();
    }

    TRecordingService service_;
    DWORD cookie_ = 0;
};

// One run of the process: the service is made once, at the first request for an object.
TEST_F(AccessibleAnnotation, WrittenWhenAReaderFirstAsksKeptCurrentClearedWithTheWindow) {
    auto window = std::make_unique<TConfiguredWindow>();
    Tfr_velkaro& w = **window;
    const HWND startField = w.tx_saat.InnerEdit()->Control().Handle();
    Application().ProcessMessages();
    EXPECT_EQ(service_.calls, 0) << "written before any reader asked";

    ASSERT_TRUE(ReadAccessible(w.Handle()).has_value());
    const std::wstring start = L"Ba\u015Flang\u0131\u00E7 saati";
    ExpectWritten(
        service_,
        {
            {"tx_saat", w.tx_saat.Handle(), L"role", ROLE_SYSTEM_TEXT},
            {"tx_saat", w.tx_saat.Handle(), L"name", start},
            {"tx_saat", w.tx_saat.Handle(), L"value", L"00:00"},
            // The native field inside, which the UIA proxy for edits reads, is named alike.
            {"tx_saat's field", startField, L"name", start},
            {"tx_saat's field", startField, L"value", L"00:00"},
            {"tx_para", w.tx_para.Handle(), L"name", L"Tutar"},
            {"tx_para", w.tx_para.Handle(), L"value", L"0 TL"},
            {"lb_sure", w.lb_sure.Handle(), L"role", ROLE_SYSTEM_STATICTEXT},
            {"lb_sure", w.lb_sure.Handle(), L"name", L""},
            {"lb_sure", w.lb_sure.Handle(), L"value", std::nullopt},
            {"rb_fiyat1", w.rb_fiyat1.Handle(), L"role", ROLE_SYSTEM_RADIOBUTTON},
            {"rb_fiyat1", w.rb_fiyat1.Handle(), L"name", L"1.000.000"},
            {"rb_fiyat1", w.rb_fiyat1.Handle(), L"description", L"1. tarife"},
            {"rb_fiyat2", w.rb_fiyat2.Handle(), L"description", L"2. tarife"},
            {"rb_fiyat2", w.rb_fiyat2.Handle(), L"state", std::nullopt},
            {"the form, which has no description of its own", w.Handle(), L"name", std::nullopt},
        });
    EXPECT_EQ(StateFlags(service_.Read(w.tx_para.Handle(), L"state")), STATE_SYSTEM_READONLY);
    EXPECT_EQ(StateFlags(service_.Read(w.rb_fiyat1.Handle(), L"state")), STATE_SYSTEM_CHECKED);

    // 75 minutes at the first tariff, then the second tariff chosen.
    w.tx_saat.SetText(L"13:15");
    w.hesapla();
    Application().ProcessMessages();
    ExpectWritten(
        service_,
        {
            {"tx_saat's field", startField, L"value", L"13:15"},
            {"lb_sure", w.lb_sure.Handle(), L"name", L"75 dak."},
            {"tx_para", w.tx_para.Handle(), L"value", L"1.250.000 TL"},
            {"lb_para", w.lb_para.Handle(), L"name", L" bir milyon iki y\u00FCz elli bin"},
            // Wine has no UIA notification: the words label became a polite live region.
            {"lb_para", w.lb_para.Handle(), L"live", 1L},
        });
    w.rb_fiyat2.SetChecked(true);
    Application().ProcessMessages();
    EXPECT_EQ(service_.Read(w.rb_fiyat1.Handle(), L"state"), std::nullopt);
    EXPECT_EQ(StateFlags(service_.Read(w.rb_fiyat2.Handle(), L"state")), STATE_SYSTEM_CHECKED);

    HWND later = nullptr;
    {
        // A window made later is written as it is made, and cleared when it alone goes.
        TcxLabel label(&w);
        label.SetCaption(L"sonra");
        later = label.Handle();
        EXPECT_EQ(service_.Read(later, L"name"), Written(L"sonra"));
    }
    EXPECT_FALSE(service_.AnyFor(later));
    const HWND windows[] = {w.Handle(), w.tx_saat.Handle(), startField, w.lb_para.Handle(),
                            w.rb_fiyat2.Handle()};
    window.reset();
    for (HWND destroyed : windows) {
        EXPECT_FALSE(service_.AnyFor(destroyed)) << "left for a window that is gone";
    }

    // A service that does not do this (Wine's) is asked once, and nothing fails.
    service_.answer = E_NOTIMPL;
    const int calls = service_.calls;
    window = std::make_unique<TConfiguredWindow>();
    (*window)->lb_sure.SetCaption(L"1 dak.");
    EXPECT_EQ(service_.calls, calls + 1);
    window.reset();
}

} // namespace
} // namespace velkaro::test
