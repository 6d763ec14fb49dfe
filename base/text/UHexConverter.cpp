#include "UHexConverter.h"

#include "UStringBuffer.h"

#include <cstring>

const char* const UHexConverter::sText = "0123456789ABCDEF";
const char* const UHexConverter::sEncryptedText = "KQ7XMB3WJTZ5RHVN";

char* UHexConverter::MakeText(const unsigned char* bytes, ULONG n, bool encrypted)
{
    // Two characters a byte and a terminator must fit the ring.
    size_t count = n < (UStringBuffer::kSize - 1) / 2 ? n : (UStringBuffer::kSize - 1) / 2;
    char* out = UStringBuffer::Reserve(2 * count + 1);
    for (size_t i = 0; i < count; ++i) MakeText(bytes + i, out + 2 * i, encrypted);
    return out;
}

unsigned char* UHexConverter::MakeData(const char* text, bool encrypted)
{
    size_t pairs = strnlen(text, UStringBuffer::kSize - 2) / 2;
    auto* out = reinterpret_cast<unsigned char*>(UStringBuffer::Reserve(pairs + 1));
    for (size_t i = 0; i < pairs; ++i) out[i] = MakeBinary(text + 2 * i, encrypted);
    return out;
}

void UHexConverter::MakeText(const unsigned char* byte, char* out, bool encrypted)
{
    const char* alphabet = encrypted ? sEncryptedText : sText;
    out[0] = alphabet[*byte >> 4];
    out[1] = alphabet[*byte & 0x0F];
}

unsigned char UHexConverter::MakeBinary(const char* pair, bool encrypted)
{
    return static_cast<unsigned char>((MakeBinary(pair[0], encrypted) << 4) | MakeBinary(pair[1], encrypted));
}

unsigned char UHexConverter::MakeBinary(char c, bool encrypted)
{
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    const char* alphabet = encrypted ? sEncryptedText : sText;
    for (unsigned char i = 0; i < 16; ++i)
        if (alphabet[i] == c) return i;
    return 0;
}

char* UHexConverter::MakeTextFromChar(unsigned char byte)
{
    char* out = UStringBuffer::Reserve(3);
    MakeText(&byte, out, false);
    return out;
}
