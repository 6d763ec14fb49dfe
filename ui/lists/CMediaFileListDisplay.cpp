#include "CMediaFileListDisplay.h"

#include "CMediaFile2.h"

bool CMediaFileListDisplay::ChangesMediaRow(long code)
{
    return code == CMediaFile2::kDurationChangedNotice || code == CMediaInfo2::kEstimatedSizeChangedNotice ||
           code == CMediaInfo2::kStatusChangedNotice || code == CPersistFile2::kFilePathChangedNotice;
}

std::vector<CBroadcaster*> CMediaFileListDisplay::GetWatchedParts(CPersistObject* object)
{
    if (!object->IsInstanceOf(FourCharCode("mfl2"))) return {};
    return {&static_cast<CMediaFile2*>(object)->GetOutputFile()};
}
