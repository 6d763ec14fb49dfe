#include "win32/kernel/GlobalMemory.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr unsigned kBlockMark = 0x474C4F42; // "GLOB"

struct Block {
    unsigned mark;
    SIZE_T size;
    alignas(16) unsigned char bytes[1];
};

Block* BlockOf(HGLOBAL memory)
{
    auto* block = static_cast<Block*>(memory);
    return block && block->mark == kBlockMark ? block : nullptr;
}

} // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes)
{
    if (bytes > (SIZE_T(1) << 40))
        return nullptr;
    void* raw = std::malloc(offsetof(Block, bytes) + (bytes ? bytes : 1));
    if (!raw)
        return nullptr;
    auto* block = static_cast<Block*>(raw);
    block->mark = kBlockMark;
    block->size = bytes;
    if (flags & GMEM_ZEROINIT)
        std::memset(block->bytes, 0, bytes);
    return block;
}

LPVOID GlobalLock(HGLOBAL memory)
{
    Block* block = BlockOf(memory);
    return block ? block->bytes : nullptr;
}

// Blocks never move, so there is no lock count: unlocking always leaves it unlocked.
BOOL GlobalUnlock(HGLOBAL)
{
    return FALSE;
}

SIZE_T GlobalSize(HGLOBAL memory)
{
    Block* block = BlockOf(memory);
    return block ? block->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL memory)
{
    Block* block = BlockOf(memory);
    if (!block)
        return memory;
    block->mark = 0;
    std::free(block);
    return nullptr;
}
