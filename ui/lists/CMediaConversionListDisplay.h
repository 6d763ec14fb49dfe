#pragma once
// A conversion's row: redrawn when its input's duration, size estimate or status changes,
// or the path of the input's output file.
#include "CWatchingListDisplay.h"

class CMediaConversionListDisplay : public CWatchingListDisplay {
public:
    explicit CMediaConversionListDisplay(CObjectDisplay* parent = nullptr) : CWatchingListDisplay(parent) {}

protected:
    std::vector<CBroadcaster*> GetWatchedParts(CPersistObject* object) override;
    bool ChangesRow(long code) override;
};
