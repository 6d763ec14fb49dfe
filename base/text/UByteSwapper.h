#pragma once
// Byte-order reversal: stored integers are big-endian.
#include <cstdint>

class UByteSwapper {
public:
    static int32_t SwapData(int32_t v) { return static_cast<int32_t>(__builtin_bswap32(static_cast<uint32_t>(v))); }
    static uint32_t SwapData(uint32_t v) { return __builtin_bswap32(v); }
    static int16_t SwapData(int16_t v) { return static_cast<int16_t>(__builtin_bswap16(static_cast<uint16_t>(v))); }
    static uint16_t SwapData(uint16_t v) { return __builtin_bswap16(v); }
    static int64_t SwapData(int64_t v) { return static_cast<int64_t>(__builtin_bswap64(static_cast<uint64_t>(v))); }

    static void Swap(int16_t& v) { v = SwapData(v); }
    static void Swap(uint16_t& v) { v = SwapData(v); }
    static void Swap(int32_t& v) { v = SwapData(v); }
    static void Swap(uint32_t& v) { v = SwapData(v); }
    static void Swap(int64_t& v) { v = SwapData(v); }
    static void Swap(float& v) { SwapBytes(&v, sizeof v); }
    static void Swap(double& v) { SwapBytes(&v, sizeof v); }

    static void SwapBytes(void* data, int n);
};
