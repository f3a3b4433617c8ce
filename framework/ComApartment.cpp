#include "framework/ComApartment.h"

#include <objbase.h>

namespace velkaro {

TComApartment::TComApartment()
    : initialized_(
          SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

TComApartment::~TComApartment() {
    if (initialized_) {
        CoUninitialize();
    }
}

} // namespace velkaro
