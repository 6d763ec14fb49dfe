#include "UUrlEncoder.h"

#include "UHexConverter.h"

#include <cstring>
#include <string>

CString UUrlEncoder::EncodeParam(const char* text)
{
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text ? text : ""); *p; ++p) {
        const unsigned char c = *p;
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           std::strchr("!'()*-._", c) != nullptr;
        if (plain) {
            out.push_back(static_cast<char>(c));
        } else {
            char pair[2];
            UHexConverter::MakeText(&c, pair, false);
            out.push_back('%');
            out.append(pair, 2);
        }
    }
    return CString(out.c_str(), static_cast<int>(out.size()));
}
