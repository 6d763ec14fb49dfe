#pragma once
// Item text of unknown length read through a caller-sized buffer: the buffer grows until
// the text fits with room to spare, up to a bound that keeps a runaway answer finite.
#include "afx/CString.h"

#include <vector>

// fill(buffer, size) writes at most size bytes, NUL included, and returns the length it
// wrote, or a negative value when there is no item to read.
template <typename Fill>
CString AfxGrowText(Fill fill)
{
    for (int size = 256;; size *= 4) {
        std::vector<char> buffer(static_cast<size_t>(size), '\0');
        int n = fill(buffer.data(), size);
        if (n < 0) return CString();
        if (n < size - 1 || size >= (1 << 24)) return CString(buffer.data());
    }
}
