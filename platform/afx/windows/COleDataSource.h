#pragma once
// The source side of drag-and-drop: offers global memory blocks by format and runs the drag.
#include "afx/windows/COleDataObject.h"

#include <map>

class COleDataSource {
public:
    COleDataSource() = default;
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;
    virtual ~COleDataSource();

    // Takes the block; a block already offered under the format is freed.
    void CacheGlobalData(UINT format, HGLOBAL memory);
    void Empty();
    HGLOBAL FindGlobalData(UINT format) const;
    // Runs the drag until the user drops or gives up; the effect the target took.
    DROPEFFECT DoDragDrop(DROPEFFECT allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);

private:
    std::map<UINT, HGLOBAL> m_blocks;
};
