// Registry files as a user or a crash may leave them: reading must survive anything, and
// writing what was read must read back to the same file.
#include "win32/settings/RegistryTree.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    MvRegKey root;
    root.Parse(text);
    std::string written = root.Write();
    MvRegKey again;
    again.Parse(written);
    if (again.Write() != written) std::abort();
    MvRegKey* key = root.FindPath("software\\Morvane\\zTellora", true);
    if (key) key->SetValue({"Enable", 4, std::string("\1\0\0\0", 4)});
    return 0;
}
