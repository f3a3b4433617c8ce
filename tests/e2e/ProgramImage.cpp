#include "tests/e2e/ProgramImage.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <stdexcept>

namespace velkaro::test {

namespace {

class TImageFile {
public:
    explicit TImageFile(const std::wstring& path) {
        std::ifstream file(std::filesystem::path(path), std::ios::binary);
        if (!file) {
            throw std::runtime_error("cannot open the program's file");
        }
        bytes_.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        const auto dos = Read<IMAGE_DOS_HEADER>(0);
        if (dos.e_magic != IMAGE_DOS_SIGNATURE) {
            throw std::runtime_error("no program file");
        }
        headersOffset_ = static_cast<size_t>(dos.e_lfanew);
        headers_ = Read<IMAGE_NT_HEADERS64>(headersOffset_);
        if (headers_.Signature != IMAGE_NT_SIGNATURE ||
            headers_.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
            throw std::runtime_error("no 64-bit program");
        }
    }

    template <class T> T Read(size_t offset) const {
        CheckInside(offset, sizeof(T));
        T value;
        std::memcpy(&value, bytes_.data() + offset, sizeof(T));
        return value;
    }

    std::string Text(size_t offset, size_t size) const {
        CheckInside(offset, size);
        return std::string(bytes_.data() + offset, size);
    }

    std::string NulTerminated(size_t offset) const {
        const size_t end = offset < bytes_.size()
                               ? std::string_view(bytes_.data(), bytes_.size()).find('\0', offset)
                               : std::string_view::npos;
        CheckInside(offset, end == std::string_view::npos ? bytes_.size() + 1 : end - offset);
        return std::string(bytes_.data() + offset, end - offset);
    }

    // The file offset of an address relative to the loaded image, through the section holding it.
    size_t OffsetOf(DWORD address) const {
        const size_t sections = headersOffset_ + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                                headers_.FileHeader.SizeOfOptionalHeader;
        for (WORD i = 0; i < headers_.FileHeader.NumberOfSections; ++i) {
            const auto section =
                Read<IMAGE_SECTION_HEADER>(sections + i * sizeof(IMAGE_SECTION_HEADER));
            if (address >= section.VirtualAddress &&
                address - section.VirtualAddress < section.SizeOfRawData) {
                return section.PointerToRawData + (address - section.VirtualAddress);
            }
        }
        throw std::runtime_error("an address lies in no section of the program's file");
    }

    const IMAGE_OPTIONAL_HEADER64& Optional() const { return headers_.OptionalHeader; }
    const IMAGE_DATA_DIRECTORY& Directory(int index) const {
        return headers_.OptionalHeader.DataDirectory[index];
    }

private:
    void CheckInside(size_t offset, size_t size) const {
        if (offset > bytes_.size() || bytes_.size() - offset < size) {
            throw std::runtime_error("the program's file points outside itself");
        }
    }

    std::vector<char> bytes_;
    size_t headersOffset_ = 0;
    IMAGE_NT_HEADERS64 headers_{};
};

std::vector<TImport> ImportsOf(const TImageFile& image) {
    std::vector<TImport> imports;
    const IMAGE_DATA_DIRECTORY& directory = image.Directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
    if (directory.VirtualAddress == 0) {
        return imports;
    }
    for (size_t entry = image.OffsetOf(directory.VirtualAddress);;
         entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto library = image.Read<IMAGE_IMPORT_DESCRIPTOR>(entry);
        if (library.Name == 0) {
            return imports;
        }
        const std::string name = image.NulTerminated(image.OffsetOf(library.Name));
        const DWORD names =
            library.OriginalFirstThunk != 0 ? library.OriginalFirstThunk : library.FirstThunk;
        for (size_t thunk = image.OffsetOf(names);; thunk += sizeof(ULONGLONG)) {
            const auto function = image.Read<ULONGLONG>(thunk);
            if (function == 0) {
                break;
            }
            if (IMAGE_SNAP_BY_ORDINAL64(function)) {
                imports.push_back({name, "#" + std::to_string(IMAGE_ORDINAL64(function))});
            } else {
                const size_t hint = image.OffsetOf(static_cast<DWORD>(function));
                imports.push_back({name, image.NulTerminated(hint + sizeof(WORD))});
            }
        }
    }
}

// Resources are a tree of type, name and language, its offsets counted from its start; an entry's
// high bit marks a further level. The entry of an id (of the first entry without one).
constexpr DWORD kSubdirectory = 0x80000000;

std::optional<DWORD> ResourceEntry(const TImageFile& image, size_t root, DWORD directory,
                                   std::optional<WORD> id) {
    const auto header = image.Read<IMAGE_RESOURCE_DIRECTORY>(root + directory);
    const size_t entries = root + directory + sizeof(IMAGE_RESOURCE_DIRECTORY);
    const int count = header.NumberOfNamedEntries + header.NumberOfIdEntries;
    for (int i = 0; i < count; ++i) {
        const auto entry = image.Read<IMAGE_RESOURCE_DIRECTORY_ENTRY>(
            entries + i * sizeof(IMAGE_RESOURCE_DIRECTORY_ENTRY));
        if (!id || entry.Name == *id) {
            return entry.OffsetToData;
        }
    }
    return std::nullopt;
}

std::optional<DWORD> ResourceSubdirectory(const TImageFile& image, size_t root, DWORD directory,
                                          WORD id) {
    const auto entry = ResourceEntry(image, root, directory, id);
    if (!entry || !(*entry & kSubdirectory)) {
        return std::nullopt;
    }
    return *entry & ~kSubdirectory;
}

std::string ManifestOf(const TImageFile& image) {
    const IMAGE_DATA_DIRECTORY& directory = image.Directory(IMAGE_DIRECTORY_ENTRY_RESOURCE);
    if (directory.VirtualAddress == 0) {
        return {};
    }
    const size_t root = image.OffsetOf(directory.VirtualAddress);
    constexpr WORD kManifestType = 24, kProcessManifest = 1;
    const auto type = ResourceSubdirectory(image, root, 0, kManifestType);
    const auto name = type ? ResourceSubdirectory(image, root, *type, kProcessManifest) : type;
    const auto language = name ? ResourceEntry(image, root, *name, std::nullopt) : name;
    if (!language || (*language & kSubdirectory)) {
        return {};
    }
    const auto data = image.Read<IMAGE_RESOURCE_DATA_ENTRY>(root + *language);
    return image.Text(image.OffsetOf(data.OffsetToData), data.Size);
}

} // namespace

TProgramImage ReadProgramImage(const std::wstring& path) {
    const TImageFile image(path);
    TProgramImage result;
    result.Imports = ImportsOf(image);
    result.HasDelayedImports =
        image.Directory(IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT).VirtualAddress != 0;
    result.Manifest = ManifestOf(image);
    result.SubsystemMajor = image.Optional().MajorSubsystemVersion;
    result.SubsystemMinor = image.Optional().MinorSubsystemVersion;
    result.SystemMajor = image.Optional().MajorOperatingSystemVersion;
    result.SystemMinor = image.Optional().MinorOperatingSystemVersion;
    return result;
}

} // namespace velkaro::test
