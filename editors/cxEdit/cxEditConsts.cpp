#include "editors/cxEdit/cxEditConsts.h"

namespace velkaro {

namespace {

std::wstring BuiltInText(int id) {
    switch (id) {
    case cxSEditInvalidInput:
        return L"Invalid input value. Use escape key to abandon changes";
    case cxSEditValueOutOfBounds:
        return L"Value out of bounds";
    case cxSEditRepositoryItemNotAcceptable:
        return L"The repository item is not acceptable";
    case cxSEditInvalidValue:
        return L"The edit value is invalid";
    default:
        return {};
    }
}

TcxResourceStringLoader& Loader() {
    static TcxResourceStringLoader loader = nullptr;
    return loader;
}

} // namespace

std::wstring cxGetResourceString(int id) {
    if (Loader() != nullptr) {
        std::wstring text = Loader()(id);
        if (!text.empty()) {
            return text;
        }
    }
    return BuiltInText(id);
}

TcxResourceStringLoader SetResourceStringLoader(TcxResourceStringLoader loader) {
    const TcxResourceStringLoader previous = Loader();
    Loader() = loader;
    return previous;
}

} // namespace velkaro
