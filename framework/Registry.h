#pragma once
// A key of the current user's registry, opened with the access asked for (full access unless
// told otherwise) and closed when the object goes.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace velkaro {

struct TRegDataInfo {
    DWORD Type = REG_NONE;
    DWORD Size = 0; // bytes
};

// A value as stored: its type and its bytes.
struct TRegData {
    DWORD Type = REG_NONE;
    std::vector<BYTE> Bytes;
};

class TRegistry {
public:
    explicit TRegistry(REGSAM access = KEY_ALL_ACCESS) : access_(access) {}
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
    // Nothing when the value does not exist, cannot be read or no key is open.
    std::optional<TRegData> ReadData(const std::wstring& name) const;
    // The value's data as text up to its first NUL, whatever its type says; empty when it cannot
    // be read. Data without a terminating NUL is read safely.
    std::wstring ReadStringData(const std::wstring& name) const;
    // Stores a REG_SZ value. False when no key is open or the registry refuses.
    bool WriteString(const std::wstring& name, const std::wstring& value);
    // Stores a value of any type. False when no key is open or the registry refuses.
    bool WriteData(const std::wstring& name, const TRegData& data);
    // False when no key is open or the registry refuses (a missing value included).
    bool DeleteValue(const std::wstring& name);

private:
    HKEY key_ = nullptr;
    REGSAM access_;
};

} // namespace velkaro
