#pragma once
// The process-wide list of edit properties classes, each with a description text, in which
// every edit kind enters its properties class for as long as the program runs.
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

struct TcxRegisteredEditProperties {
    std::wstring ClassName;
    // "Kind|What it is for", as tools that list the kinds show it.
    std::wstring Description;
};

class TcxRegisteredEditPropertiesList {
public:
    // A class already registered keeps its place and takes the new description.
    void Register(std::wstring className, std::wstring description);
    void Unregister(std::wstring_view className);

    int Count() const { return static_cast<int>(items_.size()); }
    const TcxRegisteredEditProperties& Items(int index) const;
    // Null when the class is not registered.
    const TcxRegisteredEditProperties* Find(std::wstring_view className) const;

private:
    std::vector<TcxRegisteredEditProperties> items_;
};

TcxRegisteredEditPropertiesList& GetRegisteredEditProperties();

// Registers a class for the lifetime of the object: a static one per kind registers it at
// program start and unregisters it at shutdown.
class TcxEditPropertiesRegistration {
public:
    TcxEditPropertiesRegistration(std::wstring className, std::wstring description);
    ~TcxEditPropertiesRegistration();
    TcxEditPropertiesRegistration(const TcxEditPropertiesRegistration&) = delete;
    TcxEditPropertiesRegistration& operator=(const TcxEditPropertiesRegistration&) = delete;

private:
    std::wstring className_;
};

} // namespace velkaro
