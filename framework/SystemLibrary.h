#pragma once
// The system's own libraries, loaded from the system folder alone: a file of the same name in the
// program's folder, the current folder or a folder on the path is never taken for one of them.
#include <windows.h>

namespace velkaro {

// Limits every later load in the process that names no folder to the system folder, where the
// system can (Windows 7 needs its update KB2533623). Called once, at start-up.
void LimitLibrarySearchToSystemFolder();

// A library of the system folder, by file name; null when there is none.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of a library of the system folder; null when the library or the function is
// missing, as functions newer than the oldest supported system are.
template <class Function> Function SystemFunction(const wchar_t* library, const char* name) {
    const HMODULE module = LoadSystemLibrary(library);
    return module == nullptr ? nullptr
                             : reinterpret_cast<Function>(
                                   reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace velkaro
