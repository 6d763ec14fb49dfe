#pragma once
// The data of a drag as a drop target sees it: global memory blocks by clipboard format.
#include "win32/WinTypes.h"

using DROPEFFECT = DWORD;
#define DROPEFFECT_NONE 0
#define DROPEFFECT_COPY 1
#define DROPEFFECT_MOVE 2
#define DROPEFFECT_LINK 4
#define DROPEFFECT_SCROLL 0x80000000

class COleDataSource;

class COleDataObject {
public:
    COleDataObject() = default;
    explicit COleDataObject(const COleDataSource* source) : m_source(source) {}

    void Attach(const COleDataSource* source) { m_source = source; }
    void Release() { m_source = nullptr; }
    BOOL IsDataAvailable(UINT format) const;
    // A copy of the block, which the caller frees with GlobalFree; null when absent.
    HGLOBAL GetGlobalData(UINT format) const;

private:
    const COleDataSource* m_source = nullptr;
};
