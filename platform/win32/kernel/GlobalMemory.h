#pragma once
// Global memory blocks: the handles that carry data through drag-and-drop and the clipboard.
#include "win32/WinTypes.h"

#include <cstddef>

using SIZE_T = size_t;

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

// Null when the size cannot be had; the bytes are zeroed with GMEM_ZEROINIT.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
LPVOID GlobalLock(HGLOBAL memory);
BOOL GlobalUnlock(HGLOBAL memory);
SIZE_T GlobalSize(HGLOBAL memory);
// Null on success, the handle back when it was not a block of ours.
HGLOBAL GlobalFree(HGLOBAL memory);
