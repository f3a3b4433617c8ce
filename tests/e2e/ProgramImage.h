#pragma once
// A 64-bit program's file read as the system's loader reads it: the functions it imports, its
// process manifest and the system versions its header asks for.
#include <windows.h>

#include <string>
#include <vector>

namespace velkaro::test {

struct TImport {
    std::string Library;
    // The name, or "#" and the ordinal for an import by ordinal.
    std::string Function;
};

struct TProgramImage {
    std::vector<TImport> Imports;
    // Libraries the program's own code loads when first called, by bare name.
    bool HasDelayedImports = false;
    // The process manifest (resource 1 of the manifest type); empty when there is none.
    std::string Manifest;
    WORD SubsystemMajor = 0, SubsystemMinor = 0;
    WORD SystemMajor = 0, SystemMinor = 0;
};

// Throws std::runtime_error when the file is no 64-bit program or points outside itself.
TProgramImage ReadProgramImage(const std::wstring& path);

} // namespace velkaro::test
