#include "UGuidUtils.h"

#include "UStringBuffer.h"

#include <cstdio>
#include <cstring>

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}

char* UGuidUtils::GuidToString(const GUID& guid)
{
    char* out = UStringBuffer::Reserve(40);
    if (guid == GUID_NULL) return out;
    std::snprintf(out, 40, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X", guid.Data1, guid.Data2, guid.Data3,
                  guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                  guid.Data4[6], guid.Data4[7]);
    return out;
}

GUID UGuidUtils::GuidFromString(const char* text)
{
    GUID none = GUID_NULL;
    if (!text || strnlen(text, 37) != 36) return none;
    unsigned char digits[32];
    int count = 0;
    for (int i = 0; i < 36; ++i) {
        bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        if (dash) {
            if (text[i] != '-') return none;
            continue;
        }
        int v = HexValue(text[i]);
        if (v < 0) return none;
        digits[count++] = static_cast<unsigned char>(v);
    }
    auto read = [&](int first, int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 4) | digits[first + i];
        return v;
    };
    GUID guid;
    guid.Data1 = read(0, 8);
    guid.Data2 = static_cast<uint16_t>(read(8, 4));
    guid.Data3 = static_cast<uint16_t>(read(12, 4));
    for (int i = 0; i < 8; ++i) guid.Data4[i] = static_cast<uint8_t>(read(16 + 2 * i, 2));
    return guid;
}
