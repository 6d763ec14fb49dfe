#include "CAudioCdTrackListDisplay.h"

#include "CAudioCdTrack2.h"

std::vector<CBroadcaster*> CAudioCdTrackListDisplay::GetWatchedParts(CPersistObject* object)
{
    if (!object->IsInstanceOf(FourCharCode("act2"))) return {};
    return {&static_cast<CAudioCdTrack2*>(object)->GetOutputFile()};
}

bool CAudioCdTrackListDisplay::ChangesRow(long code)
{
    // The audio-track flag changes the name and the picture, the block count the duration.
    switch (code) {
    case CAudioCdTrack2::kIsAudioTrackChangedNotice:
    case CAudioCdTrack2::kBlockCountChangedNotice:
    case CAudioCdTrack2::kCheckedChangedNotice:
    case CMediaInfo2::kEstimatedSizeChangedNotice:
    case CMediaInfo2::kStatusChangedNotice:
    case CPersistFile2::kFilePathChangedNotice:
        return true;
    default:
        return false;
    }
}
