#pragma once
// A CD track's row: redrawn when the track's kind, length, tick, size estimate or status
// changes, or the path of its output file.
#include "CWatchingListDisplay.h"

class CAudioCdTrackListDisplay : public CWatchingListDisplay {
public:
    explicit CAudioCdTrackListDisplay(CObjectDisplay* parent = nullptr) : CWatchingListDisplay(parent) {}

protected:
    std::vector<CBroadcaster*> GetWatchedParts(CPersistObject* object) override;
    bool ChangesRow(long code) override;
};
