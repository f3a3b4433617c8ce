// The shipped program as the loaders of Windows 7 SP1 x64 and of later systems read it.
#include "tests/e2e/Driver.h"
#include "tests/e2e/ProgramImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <set>

namespace velkaro::test {
namespace {

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "library function" lines; "#" starts a comment.
std::set<std::string> AllowedImports() {
    std::ifstream list(std::filesystem::path(HostPathInWine(VELKARO_WINDOWS7_IMPORTS)));
    std::set<std::string> allowed;
    std::string library, function;
    for (std::string line; std::getline(list, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        if (words >> library >> function) {
            allowed.insert(Lowercase(library) + " " + function);
        }
    }
    return allowed;
}

// The text of the first element of the name, without its tags.
std::string ElementText(const std::string& xml, const std::string& name) {
    const size_t open = xml.find("<" + name + " ");
    const size_t start = open == std::string::npos ? open : xml.find('>', open);
    const size_t end = start == std::string::npos ? start : xml.find("</" + name + ">", start);
    return end == std::string::npos ? "" : xml.substr(start + 1, end - start - 1);
}

class ProgramImage : public ::testing::Test {
protected:
    const TProgramImage image_ = ReadProgramImage(HostPathInWine(VELKARO_PROGRAM_PATH));
};

// A function the system lacks keeps the program from starting at all, with no more than the
// loader's message: every import must be one that the list says Windows 7 SP1 x64 has.
TEST_F(ProgramImage, ImportsOnlyWhatWindows7Has) {
    const std::set<std::string> allowed = AllowedImports();
    ASSERT_FALSE(allowed.empty());
    ASSERT_FALSE(image_.Imports.empty());
    for (const TImport& import : image_.Imports) {
        EXPECT_TRUE(allowed.contains(Lowercase(import.Library) + " " + import.Function))
            << import.Library << " " << import.Function
            << ": not in tests/e2e/windows7-imports.txt (see there how to add it)";
    }
    // Delayed imports are loaded by bare name, looked for in the program's folder first.
    EXPECT_FALSE(image_.HasDelayedImports);
}

// Without its system named in the manifest, Windows 8 and later run the program in the context of
// an older system (GetVersionEx answers Windows 8, among others).
TEST_F(ProgramImage, ManifestNamesEverySupportedSystemAndKeepsTheScaling) {
    const std::string& manifest = image_.Manifest;
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("<compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">"),
              std::string::npos);
    const struct {
        const char* System;
        const char* Id;
    } systems[] = {
        {"Windows 7", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"},
        {"Windows 8", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"},
        {"Windows 8.1", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},
        {"Windows 10 and 11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"},
    };
    for (const auto& system : systems) {
        EXPECT_NE(Lowercase(manifest).find("<supportedos id=\"" + std::string(system.Id) + "\""),
                  std::string::npos)
            << system.System;
    }
    // Per-monitor scaling: version 2 where the system has it, else 1 (8.1), else the system's
    // scale (7).
    EXPECT_EQ(ElementText(manifest, "dpiAware"), "true/pm");
    EXPECT_EQ(ElementText(manifest, "dpiAwareness"), "PerMonitorV2, PerMonitor");
}

// Below 6.0 a later system treats the program as one written for an older one; above 6.1
// Windows 7 refuses to start it.
TEST_F(ProgramImage, HeaderAsksForWindows7) {
    EXPECT_EQ(image_.SubsystemMajor, 6);
    EXPECT_EQ(image_.SubsystemMinor, 1);
    EXPECT_EQ(image_.SystemMajor, 6);
    EXPECT_EQ(image_.SystemMinor, 1);
}

} // namespace
} // namespace velkaro::test
