// The installer as a user without administrator rights runs it: silently, then the installed
// program, then the uninstaller from the entry the system's program list uses.
#include "tests/e2e/Driver.h"

#include <gtest/gtest.h>
#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>

#include <filesystem>
#include <thread>

namespace velkaro::test {
namespace {

namespace fs = std::filesystem;

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

    ASSERT_EQ(RunAndWait(L"\"" + HostPathInWine(VELKARO_INSTALLER_PATH) + L"\" /S", 120s), 0u);

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

    const auto quietUninstall =
        RegistryString(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString");
    ASSERT_TRUE(quietUninstall.has_value());
    ASSERT_EQ(RunAndWait(*quietUninstall, 60s), 0u);
    // The uninstaller hands over to a copy of itself in the temporary folder and returns at once;
    // its entry in the program list goes last.
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (KeyExists(HKEY_CURRENT_USER, kUninstallKey) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(100ms);
    }

    EXPECT_FALSE(fs::exists(folder));
    EXPECT_FALSE(fs::exists(StartMenuShortcut()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallKey));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_EQ(ReadRegistry(), kConfigured);
}

} // namespace
} // namespace velkaro::test
