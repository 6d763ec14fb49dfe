#include "win32/kernel/VersionFile.h"
#include "win32/VersionResource.h"

#include <cstring>
#include <elf.h>

namespace {

template <class T>
bool ReadAt(const uint8_t* bytes, size_t size, uint64_t offset, T* out)
{
    if (offset > size || size - offset < sizeof(T)) return false;
    std::memcpy(out, bytes + offset, sizeof(T));
    return true;
}

template <class Ehdr, class Shdr>
bool FindIn(const uint8_t* bytes, size_t size, MvVersionRecord* record)
{
    Ehdr header;
    if (!ReadAt(bytes, size, 0, &header)) return false;
    if (header.e_shentsize != sizeof(Shdr) || header.e_shnum == 0 || header.e_shstrndx >= header.e_shnum) return false;
    Shdr names;
    if (!ReadAt(bytes, size, header.e_shoff + uint64_t(header.e_shstrndx) * sizeof(Shdr), &names)) return false;
    if (names.sh_offset > size || size - names.sh_offset < names.sh_size) return false;
    static const char kName[] = ".mv_version";
    for (unsigned i = 0; i < header.e_shnum; ++i) {
        Shdr section;
        if (!ReadAt(bytes, size, header.e_shoff + uint64_t(i) * sizeof(Shdr), &section)) return false;
        if (section.sh_name >= names.sh_size || names.sh_size - section.sh_name < sizeof(kName)) continue;
        if (std::memcmp(bytes + names.sh_offset + section.sh_name, kName, sizeof(kName)) != 0) continue;
        if (section.sh_type == SHT_NOBITS || section.sh_size < sizeof(MvVersionRecord)) return false;
        MvVersionRecord found;
        if (!ReadAt(bytes, size, section.sh_offset, &found)) return false;
        if (std::memcmp(found.magic, "MVVERS1", 8) != 0) return false;
        *record = found;
        return true;
    }
    return false;
}

}

bool MvFindVersionRecord(const uint8_t* bytes, size_t size, MvVersionRecord* record)
{
    if (!bytes || size < EI_NIDENT || std::memcmp(bytes, ELFMAG, SELFMAG) != 0) return false;
    if (bytes[EI_DATA] != ELFDATA2LSB) return false;
    if (bytes[EI_CLASS] == ELFCLASS64) return FindIn<Elf64_Ehdr, Elf64_Shdr>(bytes, size, record);
    if (bytes[EI_CLASS] == ELFCLASS32) return FindIn<Elf32_Ehdr, Elf32_Shdr>(bytes, size, record);
    return false;
}
