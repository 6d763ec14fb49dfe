// Any text as a typed address: parsing must stay inside the text, and an address formatted
// from any number must parse back to itself.
#include "UIpUtils.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    unsigned long address = UIpUtils::ParseIpAddress(text.c_str());
    if (address > 0xFFFFFFFFul) std::abort();
    if (UIpUtils::ParseIpAddress(UIpUtils::FormatIpAddress(address)) != address) std::abort();
    return 0;
}
