// Feeds every file of the given folders (or files) to the fuzz entry point once,
// so the corpus runs as an ordinary test without libFuzzer; first it fails where the
// libFuzzer program could not start.
#include "LoadedGlobals.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static void RunOne(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.empty() ? nullptr : bytes.data(), bytes.size());
}

int main(int argc, char** argv)
{
    // The libFuzzer build of this program would stop before its first input on these.
    const std::vector<std::string> twice = MvGlobalsDefinedTwice(MV_LIBRARY_DIR);
    for (const std::string& global : twice) std::fprintf(stderr, "global defined twice: %s\n", global.c_str());
    if (!twice.empty()) return 1;
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        std::filesystem::path root(argv[i]);
        if (std::filesystem::is_directory(root)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
                if (entry.is_regular_file()) { RunOne(entry.path()); ++count; }
        } else if (std::filesystem::exists(root)) {
            RunOne(root);
            ++count;
        } else {
            std::fprintf(stderr, "no such corpus: %s\n", argv[i]);
            return 1;
        }
    }
    // An empty input must be survivable too.
    LLVMFuzzerTestOneInput(nullptr, 0);
    std::printf("replayed %d inputs\n", count);
    return 0;
}
