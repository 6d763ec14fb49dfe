#include "com/Guid.h"

#include <cstdio>

namespace {

constexpr int kTextLength = 38;

int HexValue(int ch)
{
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

// Reads `digits` hex digits at text[at]; false on any other character.
template <class Char>
bool ReadHex(const Char* text, int at, int digits, uint32_t& value)
{
    value = 0;
    for (int i = 0; i < digits; ++i) {
        int ch = static_cast<int>(text[at + i]);
        int v = ch < 128 ? HexValue(ch) : -1;
        if (v < 0) return false;
        value = value << 4 | static_cast<uint32_t>(v);
    }
    return true;
}

template <class Char>
bool Parse(const Char* text, GUID& guid)
{
    if (!text) return false;
    for (int i = 0; i < kTextLength; ++i)
        if (text[i] == 0) return false;
    if (text[kTextLength] != 0) return false;
    if (text[0] != '{' || text[9] != '-' || text[14] != '-' || text[19] != '-' || text[24] != '-' ||
        text[37] != '}')
        return false;
    uint32_t v;
    if (!ReadHex(text, 1, 8, v)) return false;
    guid.Data1 = v;
    if (!ReadHex(text, 10, 4, v)) return false;
    guid.Data2 = static_cast<uint16_t>(v);
    if (!ReadHex(text, 15, 4, v)) return false;
    guid.Data3 = static_cast<uint16_t>(v);
    static const int kBytePlaces[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!ReadHex(text, kBytePlaces[i], 2, v)) return false;
        guid.Data4[i] = static_cast<uint8_t>(v);
    }
    return true;
}

} // namespace

std::string GuidToText(REFGUID g)
{
    char text[kTextLength + 1];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2,
                  g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6],
                  g.Data4[7]);
    return text;
}

bool GuidFromText(const char* text, GUID* guid)
{
    GUID parsed{};
    bool ok = Parse(text, parsed);
    if (guid) *guid = ok ? parsed : GUID_NULL;
    return ok;
}

int StringFromGUID2(REFGUID guid, LPOLESTR text, int capacity)
{
    if (!text || capacity < kTextLength + 1) return 0;
    std::string narrow = GuidToText(guid);
    for (int i = 0; i <= kTextLength; ++i)
        text[i] = static_cast<OLECHAR>(narrow[static_cast<size_t>(i)]);
    return kTextLength + 1;
}

HRESULT CLSIDFromString(LPCOLESTR text, CLSID* guid)
{
    if (!guid) return E_POINTER;
    GUID parsed{};
    bool ok = Parse(text, parsed);
    *guid = ok ? parsed : GUID_NULL;
    return ok ? S_OK : CO_E_CLASSSTRING;
}

HRESULT IIDFromString(LPCOLESTR text, IID* guid)
{
    return CLSIDFromString(text, guid);
}
