// Another program holding the clipboard for a moment, as a clipboard manager or a remote desktop
// does: it opens the clipboard, sets the event named second, and closes the clipboard when the
// milliseconds given first are up or the event named third is set.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        return 2;
    }
    const DWORD milliseconds = std::wcstoul(argv[1], nullptr, 10);
    HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]);
    HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, argv[3]);
    if (held == nullptr || release == nullptr || !OpenClipboard(nullptr)) {
        return 1;
    }
    SetEvent(held);
    WaitForSingleObject(release, milliseconds);
    CloseClipboard();
    return 0;
}
