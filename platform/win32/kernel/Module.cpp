#include "win32/kernel/Module.h"
#include "win32/kernel/Files.h"
#include "win32/kernel/VersionFile.h"
#include "win32/VersionResource.h"
#include "win32/WinError.h"

#include <cerrno>
#include <cstring>
#include <strings.h>
#include <cctype>
#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr DWORD kVersionBlockMagic = 0x4D565642; // our block: magic, then the fixed information

struct VersionBlock {
    DWORD magic;
    VS_FIXEDFILEINFO info;
};

std::string ProgramPath()
{
    char path[4096];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (n <= 0) return {};
    return std::string(path, static_cast<size_t>(n));
}

std::string ProgramFolder()
{
    std::string path = ProgramPath();
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool EndsWithDll(const std::string& name)
{
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".dll";
}

void* Open(const std::string& path) { return ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }

// "name.dll" is our "libname.so"; any other name is the file's own.
std::string SharedObjectName(const std::string& name)
{
    return EndsWithDll(name) ? "lib" + name.substr(0, name.size() - 4) + ".so" : name;
}

bool ReadVersion(const char* path, MvVersionRecord* record)
{
    if (!path) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return false;
    }
    int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return false;
    }
    struct stat st;
    bool found = false;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
        size_t size = static_cast<size_t>(st.st_size);
        void* map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (map != MAP_FAILED) {
            found = MvFindVersionRecord(static_cast<const uint8_t*>(map), size, record);
            ::munmap(map, size);
        }
    }
    ::close(fd);
    if (!found) SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return found;
}

}

HMODULE LoadLibrary(const char* name)
{
    if (!name || !*name) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    std::string text(name);
    // The graphics runtime libraries the system probes for (and never calls) count as
    // present: the platform promises what that runtime version does.
    static const char* const kProvided[] = {"ddraw.dll", "d3d8.dll", "dpnhpast.dll"};
    for (const char* provided : kProvided)
        if (strcasecmp(text.c_str(), provided) == 0) return reinterpret_cast<HMODULE>(::dlopen(nullptr, RTLD_NOW));
    void* handle = nullptr;
    if (text.find('/') != std::string::npos) {
        handle = Open(text);
    } else {
        std::string folder = ProgramFolder();
        std::string file = SharedObjectName(text);
        for (const std::string& candidate : {folder + file, folder + "../lib/" + file}) {
            if (::access(candidate.c_str(), F_OK) == 0 && (handle = Open(candidate))) break;
        }
        if (!handle && !EndsWithDll(text)) handle = Open(text);
    }
    if (!handle) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HMODULE>(handle);
}

BOOL FreeLibrary(HMODULE module)
{
    if (!module || ::dlclose(module) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

FARPROC GetProcAddress(HMODULE module, const char* name)
{
    if (!module || !name) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    void* symbol = ::dlsym(module, name);
    if (!symbol) SetLastError(ERROR_PROC_NOT_FOUND);
    return symbol;
}

HMODULE GetModuleHandle(const char* name)
{
    // The system's user library is this layer, already loaded: its C names are found in
    // the program's own scope.
    static void* self = ::dlopen(nullptr, RTLD_NOW);
    if (!name || strcasecmp(name, "user32.dll") == 0) return reinterpret_cast<HMODULE>(self);
    // A library already loaded, found by the name it was loaded under, without loading it.
    // The reference that asking takes is given back at once: as on the system, the handle
    // stays valid only while the library stays loaded.
    std::string text(name);
    bool bare = text.find('/') == std::string::npos;
    if (bare && text.find('.') == std::string::npos) text += ".dll";
    std::string file = bare ? SharedObjectName(text) : text;
    std::string lower = file;
    if (bare)
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const std::string& candidate : {file, lower}) {
        if (void* handle = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_NOLOAD)) {
            ::dlclose(handle);
            return reinterpret_cast<HMODULE>(handle);
        }
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

DWORD GetModuleFileName(HMODULE module, char* path, DWORD size)
{
    std::string file;
    if (!module || module == GetModuleHandle(nullptr)) {
        file = ProgramPath();
    } else {
        struct link_map* map = nullptr;
        if (::dlinfo(module, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name) file = map->l_name;
    }
    if (file.empty() || !path || size == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (file.size() >= size) {
        // Truncated and terminated, as the kernel does.
        std::memcpy(path, file.data(), size - 1);
        path[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(path, file.c_str(), file.size() + 1);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(file.size());
}

DWORD GetFileVersionInfoSize(const char* path, DWORD* handle)
{
    if (handle) *handle = 0;
    MvVersionRecord record;
    return ReadVersion(path, &record) ? sizeof(VersionBlock) : 0;
}

BOOL GetFileVersionInfo(const char* path, DWORD, DWORD size, void* data)
{
    MvVersionRecord record;
    if (!data || size < sizeof(VersionBlock)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    if (!ReadVersion(path, &record)) return FALSE;
    VersionBlock block{};
    block.magic = kVersionBlockMagic;
    block.info.dwSignature = 0xFEEF04BD;
    block.info.dwStrucVersion = 0x00010000;
    block.info.dwFileVersionMS = (DWORD(record.major) << 16) | record.minor;
    block.info.dwFileVersionLS = (DWORD(record.bugFix) << 16) | record.build;
    block.info.dwProductVersionMS = block.info.dwFileVersionMS;
    block.info.dwProductVersionLS = block.info.dwFileVersionLS;
    block.info.dwFileType = 1; // application
    std::memcpy(data, &block, sizeof(block));
    return TRUE;
}

BOOL VerQueryValue(const void* data, const char* subBlock, void** buffer, UINT* length)
{
    if (!data || !subBlock || !buffer || std::strcmp(subBlock, "\\") != 0) return FALSE;
    auto* block = static_cast<VersionBlock*>(const_cast<void*>(data));
    if (block->magic != kVersionBlockMagic) return FALSE;
    *buffer = &block->info;
    if (length) *length = sizeof(VS_FIXEDFILEINFO);
    return TRUE;
}
