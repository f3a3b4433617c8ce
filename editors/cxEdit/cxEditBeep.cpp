#include "editors/cxEdit/cxEditBeep.h"

#include <windows.h>

namespace velkaro {

namespace {

void SystemBeep() {
    MessageBeep(MB_OK);
}

TcxEditBeepHook& Hook() {
    static TcxEditBeepHook hook = SystemBeep;
    return hook;
}

} // namespace

void EditBeep() {
    Hook()();
}

TcxEditBeepHook SetEditBeepHook(TcxEditBeepHook hook) {
    const TcxEditBeepHook previous = Hook();
    Hook() = hook != nullptr ? hook : SystemBeep;
    return previous;
}

} // namespace velkaro
