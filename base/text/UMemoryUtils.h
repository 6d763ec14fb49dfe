#pragma once
// Copies of fixed sizes.
#include <cstring>

class UMemoryUtils {
public:
    static void* memcpy1(void* to, const void* from) { return std::memcpy(to, from, 1); }
    static void* memcpy2(void* to, const void* from) { return std::memcpy(to, from, 2); }
    static void* memcpy4(void* to, const void* from) { return std::memcpy(to, from, 4); }
    static void* memcpy8(void* to, const void* from) { return std::memcpy(to, from, 8); }
    static void* memcpy16(void* to, const void* from) { return std::memcpy(to, from, 16); }
    static void* memcpy32(void* to, const void* from) { return std::memcpy(to, from, 32); }
    static void* memcpy64(void* to, const void* from) { return std::memcpy(to, from, 64); }
    static void* memcpy128(void* to, const void* from) { return std::memcpy(to, from, 128); }
    static void* memcpy256(void* to, const void* from) { return std::memcpy(to, from, 256); }
    static void* memcpy512(void* to, const void* from) { return std::memcpy(to, from, 512); }
    static void* memcpy1024(void* to, const void* from) { return std::memcpy(to, from, 1024); }
    // Whole kilobytes, then the rest; returns where the rest was copied.
    static void* fastmemcpy(void* to, const void* from, int n);
};
