#pragma once
// A media file's row: redrawn when the file's duration, size estimate or status changes,
// or the path of its output file.
#include "CWatchingListDisplay.h"

class CMediaFileListDisplay : public CWatchingListDisplay {
public:
    explicit CMediaFileListDisplay(CObjectDisplay* parent = nullptr) : CWatchingListDisplay(parent) {}

    // The notices that change what a media file's row shows.
    static bool ChangesMediaRow(long code);

protected:
    std::vector<CBroadcaster*> GetWatchedParts(CPersistObject* object) override;
    bool ChangesRow(long code) override { return ChangesMediaRow(code); }
};
