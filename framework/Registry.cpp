#include "framework/Registry.h"

#include <vector>

namespace velkaro {

bool TRegistry::OpenKey(const std::wstring& path, bool canCreate) {
    CloseKey();
    HKEY key = nullptr;
    const LSTATUS status =
        canCreate ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr,
                                    REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr)
                  : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key);
    if (status != ERROR_SUCCESS) {
        return false;
    }
    key_ = key;
    return true;
}

void TRegistry::CloseKey() {
    if (key_ != nullptr) {
        RegCloseKey(key_);
        key_ = nullptr;
    }
}

std::optional<TRegDataInfo> TRegistry::GetDataInfo(const std::wstring& name) const {
    TRegDataInfo info;
    if (key_ == nullptr || RegQueryValueExW(key_, name.c_str(), nullptr, &info.Type, nullptr,
                                            &info.Size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return info;
}

std::wstring TRegistry::ReadStringData(const std::wstring& name) const {
    std::optional<TRegDataInfo> info = GetDataInfo(name);
    while (info) {
        // Room for an odd byte count; the data need not end in a NUL.
        std::vector<wchar_t> buffer(info->Size / sizeof(wchar_t) + 1, L'\0');
        auto size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LSTATUS status = RegQueryValueExW(key_, name.c_str(), nullptr, nullptr,
                                                reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status == ERROR_SUCCESS) {
            // A trailing odd byte is half a character: dropped.
            const std::wstring data(buffer.data(), size / sizeof(wchar_t));
            return data.substr(0, data.find(L'\0'));
        }
        if (status != ERROR_MORE_DATA) {
            break;
        }
        info = GetDataInfo(name); // grew since the size was asked for
    }
    return {};
}

bool TRegistry::WriteString(const std::wstring& name, const std::wstring& value) {
    if (key_ == nullptr) {
        return false;
    }
    const auto size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_, name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()), size) == ERROR_SUCCESS;
}

} // namespace velkaro
