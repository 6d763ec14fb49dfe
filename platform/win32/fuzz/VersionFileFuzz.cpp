// Version lookup in files of any shape: never reads outside the bytes.
#include "win32/kernel/VersionFile.h"
#include "win32/VersionResource.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MvVersionRecord record;
    MvFindVersionRecord(data, size, &record);
    return 0;
}
