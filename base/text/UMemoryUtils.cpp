#include "UMemoryUtils.h"

void* UMemoryUtils::fastmemcpy(void* to, const void* from, int n)
{
    if (n <= 0) return to;
    auto* d = static_cast<unsigned char*>(to);
    auto* s = static_cast<const unsigned char*>(from);
    for (int k = n / 1024; k > 0; --k, d += 1024, s += 1024) memcpy1024(d, s);
    std::memcpy(d, s, static_cast<size_t>(n % 1024));
    return d;
}
