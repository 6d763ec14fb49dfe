// The desktop's folder list (user-dirs.dirs) is a file anyone can edit: whatever it holds,
// the documents folder must come out as an absolute path.
#include "win32/TestHome.h"
#include "win32/kernel/ShellFolders.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// A folder of this process's own stands for the configuration folder; the documents folder
// is looked up as outside a test.
const std::string& ConfigFolder()
{
    static MvTestHome home;
    static const std::string folder = [] {
        ::unsetenv(MV_HOME_VARIABLE);
        ::setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
        return home.Path();
    }();
    return folder;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string file = ConfigFolder() + "/user-dirs.dirs";
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    const std::string documents = MvDocumentsFolder();
    if (documents.empty() || documents[0] != '/') std::abort();
    return 0;
}
