#pragma once
// A key of the current user's registry, opened with full access and closed when the object goes.
#include <windows.h>

#include <optional>
#include <string>

namespace velkaro {

struct TRegDataInfo {
    DWORD Type = REG_NONE;
    DWORD Size = 0; // bytes
};

class TRegistry {
public:
    TRegistry() = default;
    ~TRegistry() { CloseKey(); }
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // Opens a key below HKEY_CURRENT_USER, creating it first when canCreate; closes the key
    // that was open before. False when the registry refuses.
    bool OpenKey(const std::wstring& path, bool canCreate);
    void CloseKey();
    bool KeyOpen() const { return key_ != nullptr; }

    // Nothing when the value does not exist or no key is open.
    std::optional<TRegDataInfo> GetDataInfo(const std::wstring& name) const;
    // The value's data as text up to its first NUL, whatever its type says; empty when it cannot
    // be read. Data without a terminating NUL is read safely.
    std::wstring ReadStringData(const std::wstring& name) const;
    // Stores a REG_SZ value. False when no key is open or the registry refuses.
    bool WriteString(const std::wstring& name, const std::wstring& value);

private:
    HKEY key_ = nullptr;
};

} // namespace velkaro
