#include "afx/internet/InternetNames.h"

#include <cstring>

namespace {
bool HasControl(const char* text, bool blankToo)
{
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p < 0x20 || *p == 0x7F || (blankToo && *p == ' ')) return true;
    }
    return false;
}
}

bool MvIsServerName(const char* server)
{
    if (!server || !*server || std::strlen(server) > 255) return false;
    if (HasControl(server, true)) return false;
    return std::strpbrk(server, "/?#@\\:[]") == nullptr;
}

bool MvIsUrlText(const char* text) { return text && !HasControl(text, true); }

bool MvIsCommandText(const char* text) { return text && !HasControl(text, false); }
