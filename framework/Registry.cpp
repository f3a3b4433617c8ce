#include "framework/Registry.h"

#include "runtime/Utf.h"

namespace velkaro {

bool TRegistry::OpenKey(const std::wstring& path, bool canCreate) {
    CloseKey();
    HKEY key = nullptr;
    const LSTATUS status =
        canCreate ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr,
                                    REG_OPTION_NON_VOLATILE, access_, nullptr, &key, nullptr)
                  : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access_, &key);
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

std::optional<TRegData> TRegistry::ReadData(const std::wstring& name) const {
    std::optional<TRegDataInfo> info = GetDataInfo(name);
    while (info) {
        TRegData data{info->Type, std::vector<BYTE>(info->Size)};
        DWORD size = info->Size;
        const LSTATUS status =
            RegQueryValueExW(key_, name.c_str(), nullptr, &data.Type, data.Bytes.data(), &size);
        if (status == ERROR_SUCCESS) {
            data.Bytes.resize(size);
            return data;
        }
        if (status != ERROR_MORE_DATA) {
            break;
        }
        info = GetDataInfo(name); // grew since the size was asked for
    }
    return std::nullopt;
}

std::wstring TRegistry::ReadStringData(const std::wstring& name) const {
    const std::optional<TRegData> data = ReadData(name);
    if (!data) {
        return {};
    }
    const std::u16string text = TextOfUtf16Data(data->Bytes);
    return std::wstring(text.begin(), text.end());
}

bool TRegistry::WriteString(const std::wstring& name, const std::wstring& value) {
    const auto* bytes = reinterpret_cast<const BYTE*>(value.c_str());
    return WriteData(name, {REG_SZ, {bytes, bytes + (value.size() + 1) * sizeof(wchar_t)}});
}

bool TRegistry::WriteData(const std::wstring& name, const TRegData& data) {
    return key_ != nullptr &&
           RegSetValueExW(key_, name.c_str(), 0, data.Type, data.Bytes.data(),
                          static_cast<DWORD>(data.Bytes.size())) == ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const std::wstring& name) {
    return key_ != nullptr && RegDeleteValueW(key_, name.c_str()) == ERROR_SUCCESS;
}

} // namespace velkaro
