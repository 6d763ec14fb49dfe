#pragma once
// Four-character codes (type and notification codes): the first letter in the most
// significant byte, so FourCharCode("pshd") is 0x70736864.
#include "win32/WinTypes.h"

constexpr LONG FourCharCode(const char (&code)[5])
{
    return static_cast<LONG>((static_cast<uint32_t>(static_cast<unsigned char>(code[0])) << 24) |
                             (static_cast<uint32_t>(static_cast<unsigned char>(code[1])) << 16) |
                             (static_cast<uint32_t>(static_cast<unsigned char>(code[2])) << 8) |
                             static_cast<uint32_t>(static_cast<unsigned char>(code[3])));
}
