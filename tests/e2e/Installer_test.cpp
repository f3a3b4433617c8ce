// The installer as a user without administrator rights runs it: silently, then the installed
// program, then the uninstaller from the entry the system's program list uses; and over a copy of
// the program that is still running.
#include "tests/e2e/Driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace velkaro::test {
namespace {

namespace fs = std::filesystem;
using ::testing::EndsWith;
using ::testing::StartsWith;

constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velkaro 2";
constexpr wchar_t kSettingsKey[] = L"Software\\Velkaro 2";
constexpr std::uintmax_t kMaximumProgramSize = 1536 * 1024;

fs::path KnownFolder(REFKNOWNFOLDERID folder) {
    PWSTR path = nullptr;
    if (FAILED(SHGetKnownFolderPath(folder, 0, nullptr, &path))) {
        CoTaskMemFree(path);
        return {};
    }
    fs::path result(path);
    CoTaskMemFree(path);
    return result;
}

// The user's own programs folder; systems that do not name it have it in the local app data.
fs::path InstallFolder() {
    fs::path programs = KnownFolder(FOLDERID_UserProgramFiles);
    if (programs.empty()) {
        programs = KnownFolder(FOLDERID_LocalAppData) / L"Programs";
    }
    return programs / L"Velkaro 2";
}

fs::path StartMenuShortcut() {
    return KnownFolder(FOLDERID_Programs) / L"Velkaro 2.lnk";
}

// A string value, or nullopt when the key or the value is missing.
std::optional<std::wstring> RegistryString(HKEY root, const wchar_t* key, const wchar_t* name) {
    wchar_t data[1024];
    DWORD size = sizeof(data);
    if (RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(data);
}

bool KeyExists(HKEY root, const wchar_t* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

std::optional<DWORD> RunAndWait(std::wstring commandLine, std::chrono::milliseconds timeout) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return std::nullopt;
    }
    std::optional<DWORD> code;
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeout.count())) ==
        WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        code = exitCode;
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

// The file a shell link starts, as the Start menu resolves it.
fs::path ShortcutTarget(const fs::path& shortcut) {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&link)))) {
        return {};
    }
    fs::path target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&file)))) {
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0))) {
            target = path;
        }
        file->Release();
    }
    link->Release();
    return target;
}

bool SamePath(const fs::path& a, const fs::path& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::wstring Quoted(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

std::wstring InstallerPath() {
    return HostPathInWine(VELKARO_INSTALLER_PATH);
}

// Runs the uninstaller as the program list does, and waits for the copy of itself it hands over
// to: its entry in the list goes last.
void Uninstall() {
    const auto quietUninstall =
        RegistryString(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString");
    ASSERT_TRUE(quietUninstall.has_value());
    ASSERT_EQ(RunAndWait(*quietUninstall, 60s), 0u);
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (KeyExists(HKEY_CURRENT_USER, kUninstallKey) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(100ms);
    }
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(Installer, InstallsForTheUserRunsAndUninstallsKeepingTheSettings) {
    const fs::path folder = InstallFolder();
    ASSERT_TRUE(folder.is_absolute());
    const fs::path program = folder / L"velkaro.exe";
    const fs::path uninstaller = folder / L"uninstall.exe";

    ASSERT_EQ(RunAndWait(Quoted(InstallerPath()) + L" /S", 120s), 0u);

    ASSERT_TRUE(fs::exists(program));
    EXPECT_TRUE(fs::exists(uninstaller));
    EXPECT_EQ(fs::file_size(program), fs::file_size(HostPathInWine(VELKARO_PROGRAM_PATH)));
    EXPECT_LT(fs::file_size(program), kMaximumProgramSize);
    EXPECT_TRUE(SamePath(ShortcutTarget(StartMenuShortcut()), program));

    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayName"), L"Velkaro 2");
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, kUninstallKey, L"Publisher"), L"Dorimex");
    const auto location = RegistryString(HKEY_CURRENT_USER, kUninstallKey, L"InstallLocation");
    ASSERT_TRUE(location.has_value());
    EXPECT_TRUE(SamePath(*location, folder));
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, kUninstallKey, L"UninstallString"),
              L"\"" + uninstaller.wstring() + L"\"");
    // Nothing machine-wide: the installer needs no administrator.
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));

    {
        ProgramUnderTest installed(kConfigured, program.c_str());
        HWND window = installed.WaitForWindow(L"Tfr_velkaro");
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(TextOf(window), L"Velkaro 2 - Dorimex\u00AE");
        EXPECT_EQ(installed.CloseAndWait(window), 0u);
    }

    Uninstall();

    EXPECT_FALSE(fs::exists(folder));
    EXPECT_FALSE(fs::exists(StartMenuShortcut()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallKey));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_EQ(ReadRegistry(), kConfigured);
}

// The installed program, one byte longer than the one the installer carries (a program's file
// may have more after its image), and running.
class InstallerOverRunningCopy : public Installer {
protected:
    void SetUp() override {
        Installer::SetUp();
        ASSERT_EQ(RunAndWait(Quoted(InstallerPath()) + L" /S", 120s), 0u);
        std::ofstream(program_, std::ios::binary | std::ios::app).put('\0');
        running_.emplace(kConfigured, program_.c_str());
        ASSERT_NE(running_->WaitForWindow(L"Tfr_velkaro"), nullptr);
    }
    void TearDown() override {
        running_.reset();
        Uninstall();
        Installer::TearDown();
    }

    // The installed file is the one of the copy that runs.
    bool Replaced() const {
        return fs::file_size(program_) == fs::file_size(HostPathInWine(VELKARO_PROGRAM_PATH));
    }

    const fs::path program_ = InstallFolder() / L"velkaro.exe";
    std::optional<ProgramUnderTest> running_;
};

std::wstring ReadLog(const fs::path& log) {
    std::ifstream file(log, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    return text;
}

TEST_F(InstallerOverRunningCopy, SilentInstallationFailsWithALineInTheLog) {
    const fs::path log = fs::temp_directory_path() / L"Velkaro 2 kurulum.log";
    fs::remove(log);

    EXPECT_EQ(RunAndWait(Quoted(InstallerPath()) + L" /S", 120s), 2u);

    EXPECT_FALSE(Replaced());
    EXPECT_FALSE(running_->WaitForExit(0ms));
    // The folder as the installer spells it, which may differ in case from the known folder's.
    const std::wstring line = ReadLog(log);
    EXPECT_THAT(line, StartsWith(L"\uFEFFVelkaro 2 çalışıyor ("));
    EXPECT_THAT(line, EndsWith(L"\\velkaro.exe): kurulum yapılmadı. Programı kapatıp kurulumu "
                               L"yeniden başlatın.\r\n"));
}

// A window of the installer that the predicate keeps, waiting for it to appear.
HWND WaitForInstallerWindow(const ProgramUnderTest& installer,
                            const std::function<bool(HWND)>& keep) {
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    do {
        const std::vector<HWND> found = TopLevelWindows([&](HWND window) {
            return ProcessOf(window) == installer.ProcessId() && IsWindowVisible(window) &&
                   keep(window);
        });
        if (!found.empty()) {
            return found.front();
        }
        std::this_thread::sleep_for(50ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

// The message box asking to close the program: the one window with a Retry button.
HWND WaitForCloseRequest(const ProgramUnderTest& installer) {
    return WaitForInstallerWindow(
        installer, [](HWND window) { return GetDlgItem(window, IDRETRY) != nullptr; });
}

// Starts the installer as a user does and takes it through its one page: the folder, then
// "Kur" (its button's id is IDOK).
HWND StartInstalling(const ProgramUnderTest& installer) {
    HWND wizard = WaitForInstallerWindow(installer, [](HWND window) {
        return GetDlgItem(window, IDOK) != nullptr && GetDlgItem(window, IDRETRY) == nullptr;
    });
    if (wizard != nullptr) {
        PostMessageW(GetDlgItem(wizard, IDOK), BM_CLICK, 0, 0);
    }
    return wizard;
}

// The request is asked again as long as the copy runs; Escape in the message box cancels the
// installation.
TEST_F(InstallerOverRunningCopy, InteractiveInstallationAsksAgainUntilCancelled) {
    ProgramUnderTest installer(kConfigured, InstallerPath().c_str());
    ASSERT_NE(StartInstalling(installer), nullptr);

    HWND request = WaitForCloseRequest(installer);
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(
        MessageBoxText(request),
        L"Velkaro 2 çalışıyor. Kurulumun sürmesi için programı kapatıp Yeniden Dene'ye basın.");
    PressKey(request, VK_RETURN, L'\r'); // the default button, Retry
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(request); }));
    request = WaitForCloseRequest(installer);
    ASSERT_NE(request, nullptr);
    PressKey(request, VK_ESCAPE, L'\x1B');

    EXPECT_EQ(installer.ExitCode(30s), 1u);
    EXPECT_FALSE(Replaced());
    EXPECT_FALSE(running_->WaitForExit(0ms));
}

TEST_F(InstallerOverRunningCopy, InteractiveInstallationGoesOnOnceTheCopyIsClosed) {
    ProgramUnderTest installer(kConfigured, InstallerPath().c_str());
    HWND wizard = StartInstalling(installer);
    ASSERT_NE(wizard, nullptr);
    HWND request = WaitForCloseRequest(installer);
    ASSERT_NE(request, nullptr);

    EXPECT_EQ(running_->CloseAndWait(running_->WaitForWindow(L"Tfr_velkaro")), 0u);
    PressKey(request, VK_RETURN, L'\r');

    // The last page offers to start the program (check box 1203 of the page's own dialog): not
    // in a test.
    HWND page = FindWindowExW(wizard, nullptr, L"#32770", nullptr);
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while ((page == nullptr || GetDlgItem(page, 1203) == nullptr) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(50ms);
        page = FindWindowExW(wizard, nullptr, L"#32770", nullptr);
    }
    ASSERT_NE(page, nullptr);
    ASSERT_NE(GetDlgItem(page, 1203), nullptr);
    EXPECT_TRUE(Replaced());
    SendMessageW(GetDlgItem(page, 1203), BM_SETCHECK, BST_UNCHECKED, 0);
    PostMessageW(GetDlgItem(wizard, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(installer.ExitCode(30s), 0u);
}

} // namespace
} // namespace velkaro::test
