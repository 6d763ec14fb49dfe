#pragma once
// A resize map anchored at a byte of a frame buffer.
#include "CResizeMap.h"
#include "win32/WinTypes.h"

class CMemoryMap : public CResizeMap {
public:
    void SetStart(BYTE* start) { m_start = start; }
    BYTE* GetStart() const { return m_start; }
    BYTE* GetDataPtr(int i) const { return m_start + Map(i); }
    BYTE GetData(int i) const { return *GetDataPtr(i); }

private:
    BYTE* m_start = nullptr;
};
