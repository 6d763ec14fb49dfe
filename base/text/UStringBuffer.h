#pragma once
// The shared 128 KB ring that returned text lives in. Text stays valid until later
// reservations wrap round and reuse its bytes; callers copy what they keep.
#include "win32/WinTypes.h"

#include <cstddef>
#include <cstdint>

class UStringBuffer {
public:
    static constexpr size_t kSize = 131072;

    static void Initialize();
    // n zeroed bytes; null when n exceeds the ring. Never writes past its end.
    static char* Reserve(size_t n);

    static char* Text(const char* s);
    static char* Text(const char* s, unsigned int n);
    static char* Text(int v);
    static WCHAR* ToWide(const char* s);
    static char* ToMultiByte(const WCHAR* s);
    // Into caller buffers: strlen + 1 wide characters, or the wide length + 2 bytes.
    static WCHAR* ToWide(const char* s, WCHAR* out);
    static char* ToMultiByte(const WCHAR* s, char* out);
    static char* FourccToText(ULONG code);
    static char* TrimText(const char* s);

    alignas(8) static char sBuffer[kSize];
    static char* sCurrentPtr;
    static bool sInitialized;
};
