#include "LoadedGlobals.h"

#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <map>
#include <set>
#include <unistd.h>

namespace {

#if defined(__aarch64__)
constexpr uint32_t kCopyRelocation = R_AARCH64_COPY;
#else
constexpr uint32_t kCopyRelocation = R_X86_64_COPY;
#endif

template <class T> bool ReadAt(int fd, uint64_t offset, T* out, size_t count = 1)
{
    const ssize_t want = static_cast<ssize_t>(sizeof(T) * count);
    return pread(fd, out, sizeof(T) * count, static_cast<off_t>(offset)) == want;
}

// The names of the global objects a module's dynamic symbol table defines.
std::vector<std::string> DefinedObjects(const std::string& path)
{
    std::vector<std::string> names;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return names;
    Elf64_Ehdr header;
    std::vector<Elf64_Shdr> sections;
    if (ReadAt(fd, 0, &header) && header.e_shentsize == sizeof(Elf64_Shdr) && header.e_shnum < 4096) {
        sections.resize(header.e_shnum);
        if (!ReadAt(fd, header.e_shoff, sections.data(), sections.size())) sections.clear();
    }
    // A program's copy of a library's object (a copy relocation) is that object, not another.
    std::set<uint64_t> copies;
    for (const Elf64_Shdr& table : sections) {
        if (table.sh_type != SHT_RELA) continue;
        std::vector<Elf64_Rela> relocations(table.sh_size / sizeof(Elf64_Rela));
        if (!ReadAt(fd, table.sh_offset, relocations.data(), relocations.size())) continue;
        for (const Elf64_Rela& r : relocations)
            if (ELF64_R_TYPE(r.r_info) == kCopyRelocation) copies.insert(ELF64_R_SYM(r.r_info));
    }
    for (const Elf64_Shdr& table : sections) {
        if (table.sh_type != SHT_DYNSYM || table.sh_link >= sections.size()) continue;
        const Elf64_Shdr& strings = sections[table.sh_link];
        std::vector<Elf64_Sym> symbols(table.sh_size / sizeof(Elf64_Sym));
        std::string text(strings.sh_size, '\0');
        if (!ReadAt(fd, table.sh_offset, symbols.data(), symbols.size()) ||
            !ReadAt(fd, strings.sh_offset, text.data(), text.size()))
            break;
        for (size_t i = 0; i < symbols.size(); ++i) {
            const Elf64_Sym& s = symbols[i];
            if (s.st_shndx == SHN_UNDEF || ELF64_ST_BIND(s.st_info) != STB_GLOBAL ||
                ELF64_ST_TYPE(s.st_info) != STT_OBJECT || s.st_name >= text.size() || copies.count(i))
                continue;
            names.emplace_back(text.c_str() + s.st_name);
        }
    }
    close(fd);
    return names;
}

} // namespace

std::vector<std::string> MvGlobalsDefinedTwice(const std::string& folder)
{
    std::vector<std::string> modules;
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) modules.emplace_back(self, static_cast<size_t>(length));
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto& list = *static_cast<std::vector<std::string>*>(data);
            if (info->dlpi_name && *info->dlpi_name) list.emplace_back(info->dlpi_name);
            return 0;
        },
        &modules);
    std::map<std::string, std::string> owner;
    std::vector<std::string> twice;
    for (const std::string& module : modules) {
        if (module.rfind(folder + "/", 0) != 0 && module != modules.front()) continue;
        for (const std::string& name : DefinedObjects(module)) {
            auto [at, added] = owner.emplace(name, module);
            if (!added && at->second != module) twice.push_back(name + ": " + at->second + ", " + module);
        }
    }
    return twice;
}
