// System libraries come from the system folder alone, wherever a file of the same name lies.
#include "framework/SystemLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velkaro {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kPlanted[] = L"velkaro_planted.dll";

fs::path ModulePath(HMODULE module) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    return fs::path(std::wstring(path, length));
}

fs::path SystemFolder() {
    wchar_t folder[MAX_PATH];
    return fs::path(std::wstring(folder, GetSystemDirectoryW(folder, MAX_PATH)));
}

void ExpectOnlyABareNameLoadFindsIt() {
    const HMODULE bare = LoadLibraryW(kPlanted);
    EXPECT_NE(bare, nullptr) << "nothing planted";
    if (bare != nullptr) {
        FreeLibrary(bare);
    }
    EXPECT_EQ(LoadSystemLibrary(kPlanted), nullptr);
}

// A library of a name the system folder lacks, beside this program (the build puts it there) or
// in the current folder: a bare-name load takes it from either, as it would a planted one.
TEST(SystemLibrary, TakesNothingFromTheProgramsOrTheCurrentFolder) {
    const fs::path beside = ModulePath(nullptr).parent_path() / kPlanted;
    ASSERT_TRUE(fs::exists(beside));
    {
        SCOPED_TRACE("beside the program");
        ExpectOnlyABareNameLoadFindsIt();
    }

    const fs::path folder = fs::temp_directory_path() / L"velkaro_planted_test";
    fs::create_directories(folder);
    fs::copy_file(beside, folder / kPlanted, fs::copy_options::overwrite_existing);
    const fs::path away = beside.wstring() + L".away";
    fs::rename(beside, away);
    const fs::path current = fs::current_path();
    fs::current_path(folder);
    {
        SCOPED_TRACE("in the current folder");
        ExpectOnlyABareNameLoadFindsIt();
    }
    fs::current_path(current);
    fs::rename(away, beside);
    fs::remove_all(folder);
}

TEST(SystemLibrary, LoadsFromTheSystemFolderAndFindsWhatItHas) {
    const HMODULE accessibility = LoadSystemLibrary(L"oleacc.dll");
    ASSERT_NE(accessibility, nullptr);
    EXPECT_EQ(CompareStringOrdinal(ModulePath(accessibility).parent_path().c_str(), -1,
                                   SystemFolder().c_str(), -1, TRUE),
              CSTR_EQUAL);
    EXPECT_NE(SystemFunction<BOOL(WINAPI*)(HWND)>(L"user32.dll", "IsWindow"), nullptr);
    // What a newer system added, or no system has, is missing rather than fatal.
    EXPECT_EQ(SystemFunction<void(WINAPI*)()>(L"user32.dll", "VelkaroNoSuchFunction"), nullptr);
    EXPECT_EQ(SystemFunction<void(WINAPI*)()>(L"velkaro_no_such.dll", "Function"), nullptr);
}

} // namespace
} // namespace velkaro
