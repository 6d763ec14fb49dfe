// Any bytes as the ini file behind a registry storage: load a tree of every value type from it.
#include "CHandle.h"
#include "CRegistryPersistStorage.h"
#include "UPersistUtils.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

static std::string sFolder;

static void RemoveFolder()
{
    std::remove((sFolder + "/storage.ini").c_str());
    rmdir(sFolder.c_str());
}

static const std::string& IniPath()
{
    static const std::string path = [] {
        char folder[] = "/tmp/mvframe-fuzz-XXXXXX";
        if (!mkdtemp(folder)) return std::string("/tmp/mvframe-fuzz-storage.ini");
        sFolder = folder;
        std::atexit(RemoveFolder);
        return sFolder + "/storage.ini";
    }();
    return path;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(IniPath().c_str(), "wb");
    if (!file) return 0;
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);

    CRegistryPersistStorage storage("Fuzz", IniPath().c_str());
    storage.HasData();
    for (int round = 0; round < 2; ++round) {
        ULONG number = 0;
        bool flag = false;
        short small = 0;
        double real = 0;
        __int64 wide = 0;
        GUID guid{};
        CString text;
        CHandle handle;
        unsigned char bytes[600];
        char buffer[8];
        storage.Load("n", number);
        storage.Load("b", flag);
        storage.Load("s", small);
        storage.Load("d", real);
        storage.Load("w", wide);
        storage.Load("g", guid);
        UPersistUtils::Load(storage, "t", text);
        storage.Load("t2", buffer, sizeof buffer);
        storage.Load("h", handle);
        storage.Load("bytes", bytes, sizeof bytes);
        storage.ResetLoad(true);
    }
    return 0;
}
