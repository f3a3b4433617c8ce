#pragma once
// COM on the calling thread, in a single-threaded apartment, for the object's lifetime: the shell
// may hand a request to extensions that are COM objects, which is why its documentation asks for
// this before ShellExecute.
#include <windows.h>

namespace velkaro {

class TComApartment {
public:
    TComApartment();
    ~TComApartment();
    TComApartment(const TComApartment&) = delete;
    TComApartment& operator=(const TComApartment&) = delete;

private:
    // False when the thread was already in another kind of apartment, which is then left as it is.
    bool initialized_;
};

} // namespace velkaro
