#include "UByteSwapper.h"

#include <utility>

void UByteSwapper::SwapBytes(void* data, int n)
{
    auto* bytes = static_cast<unsigned char*>(data);
    for (int i = 0, j = n - 1; i < j; ++i, --j) std::swap(bytes[i], bytes[j]);
}
