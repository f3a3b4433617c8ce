#pragma once
// The registry key that holds the settings, as the settings logic sees it: one open of the key,
// string values read with their type, string values written.
#include "runtime/Exceptions.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace velkaro {

// A registry read or write that failed.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

enum class StoredValueKind { Missing, String, ExpandString, OtherType };

struct StoredValue {
    StoredValueKind Kind = StoredValueKind::Missing;
    std::wstring Text; // string kinds only, up to the first NUL
};

// One open of the key; closed when destroyed. A key whose open was refused reads every value as
// missing and refuses every write.
class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    virtual StoredValue Read(const std::wstring& name) = 0;
    // False when the registry refused the write.
    virtual bool WriteString(const std::wstring& name, const std::wstring& text) = 0;
    // Gives the values written through this open back what they held before (missing ones go).
    virtual void UndoWrites() = 0;
};

// Loading needs only to read the key: an account that may not change its settings still has
// them. Saving asks for the right to write.
enum class SettingsAccess { Read, Write };

class SettingsKeyOpener {
public:
    virtual ~SettingsKeyOpener() = default;
    // Opens the key, creating it when missing.
    virtual std::unique_ptr<SettingsKey> Open(SettingsAccess access) = 0;
};

// The text of a string value; empty when missing. Raises ERegistryException
// "Invalid data type for '<name>'" for a value of any other type.
std::wstring ReadSettingText(SettingsKey& key, const std::wstring& name);

// Writes all the values or none: when one is refused, those written before it get back what
// they held, and ERegistryException "Failed to set data for '<name>'" names the refused one.
void WriteSettingTexts(SettingsKey& key,
                       const std::vector<std::pair<std::wstring, std::wstring>>& values);

} // namespace velkaro
