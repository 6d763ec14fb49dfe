// Loads a lazily linked library at the first call of one of its functions and binds the
// function's stub to it (see LazyLink.cmake).
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

struct LazyLibrary {
    const char* soname;
    const char* const* names;
    void** table;
};

} // namespace

extern "C" __attribute__((visibility("hidden"))) void* MvLazyBind(const LazyLibrary* library, unsigned index)
{
    void* handle = dlopen(library->soname, RTLD_NOW | RTLD_LOCAL);
    void* function = handle ? dlsym(handle, library->names[index]) : nullptr;
    if (!function) {
        // As a missing library fails a program's start, a missing one fails its first use.
        std::fprintf(stderr, "cannot load %s from %s: %s\n", library->names[index], library->soname, dlerror());
        std::abort();
    }
    __atomic_store_n(&library->table[index], function, __ATOMIC_RELEASE);
    return function;
}
