#pragma once
#include "runtime/Exceptions.h"

#include <string>

namespace velkaro {

// Raises the list error for an index outside 0 .. count-1.
inline void CheckListIndex(int index, int count) {
    if (index < 0 || index >= count) {
        throw Exception(L"List index out of bounds (" + std::to_wstring(index) + L")");
    }
}

} // namespace velkaro
