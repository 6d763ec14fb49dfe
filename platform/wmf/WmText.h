#pragma once
// Hands a text out the way every call of the runtime does: a null buffer asks for the
// length (characters with the terminator), a short buffer is refused.
#include "win32/WinTypes.h"

#include <string>

template <class Length>
HRESULT CopyTextOut(const std::u16string& text, WCHAR* buffer, Length* length)
{
    if (!length) return E_POINTER;
    const size_t needed = text.size() + 1;
    if (needed > Length(~Length(0))) return E_FAIL;
    if (!buffer) {
        *length = Length(needed);
        return S_OK;
    }
    if (*length < needed) {
        *length = Length(needed);
        return static_cast<HRESULT>(0x8007007A); // the buffer is too small
    }
    text.copy(buffer, text.size());
    buffer[text.size()] = 0;
    *length = Length(needed);
    return S_OK;
}

// A caller's terminated text; empty for null.
std::u16string TextIn(const WCHAR* text);
