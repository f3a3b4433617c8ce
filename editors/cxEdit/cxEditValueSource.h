#pragma once
// What the properties' checks need of the edit they check: its conversion of a display value
// into an edit value and whether it shows the edit form.
#include "runtime/Variant.h"

namespace velkaro {

class IcxEditValueSource {
public:
    virtual Variant MakeEditValue(const Variant& DisplayValue, bool InEditForm) = 0;
    virtual bool InEditForm() const = 0;

protected:
    ~IcxEditValueSource() = default;
};

} // namespace velkaro
