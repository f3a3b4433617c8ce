// Start-up: the library search and COM, the application object, its title, the main window,
// the message loop.
#include "app/Clock.h"
#include "app/un_velkaro.h"
#include "framework/Application.h"
#include "framework/ComApartment.h"
#include "framework/SystemLibrary.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace velkaro;
    LimitLibrarySearchToSystemFolder();
    const TComApartment apartment;
    Application().Initialize();
    Application().SetTitle(L"Velkaro");
    Tfr_velkaro mainWindow;
    mainWindow.SetClock(ProgramClock());
    fr_velkaro = &mainWindow;
    Application().Run();
    fr_velkaro = nullptr;
    return 0;
}
