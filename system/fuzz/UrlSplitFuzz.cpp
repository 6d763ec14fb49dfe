// Any text as an address from "links.ini": every part split off must lie inside the text
// and fit together with the others.
#include "UUrlUtils.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
void Require(bool condition)
{
    if (!condition) std::abort();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Longer texts are cut by the text ring the parts are handed out in.
    if (size > 4096) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* address = text.c_str();
    const std::string withPort = UUrlUtils::GetServerWithPort(address);
    const std::string server = UUrlUtils::GetServer(address);
    const std::string file = UUrlUtils::GetFileName(address);
    const std::string params = UUrlUtils::GetParams(address);
    const int port = UUrlUtils::GetPort(address);

    Require(std::strstr(address, withPort.c_str()) != nullptr);
    Require(withPort.compare(0, server.size(), server) == 0);
    Require(server.find_first_of(":/?") == std::string::npos);
    Require(withPort.find_first_of("/?") == std::string::npos);
    Require(withPort.find(':') != std::string::npos || port == 0);
    Require(!file.empty() && file[0] == '/' && file.find('?') == std::string::npos);
    Require(file == "/" || std::strstr(address, file.c_str()) != nullptr);
    Require(params.size() <= std::strlen(address) &&
            std::strcmp(address + std::strlen(address) - params.size(), params.c_str()) == 0);
    return 0;
}
