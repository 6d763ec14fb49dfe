#include "CMediaConversionListDisplay.h"

#include "CMediaConversionData.h"
#include "CMediaFileListDisplay.h"

std::vector<CBroadcaster*> CMediaConversionListDisplay::GetWatchedParts(CPersistObject* object)
{
    if (!object->IsInstanceOf(FourCharCode("mcdt"))) return {};
    CMediaFile2& input = static_cast<CMediaConversionData*>(object)->GetInput();
    return {&input, &input.GetOutputFile()};
}

bool CMediaConversionListDisplay::ChangesRow(long code)
{
    return CMediaFileListDisplay::ChangesMediaRow(code);
}
