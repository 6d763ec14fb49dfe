#include "CPspConversionAdministrator.h"

#include "CAspectRatioInfo2.h"
#include "CMultiplexOutputFilters2.h"
#include "CVideoTrack.h"

bool CPspConversionAdministrator::CreateProcessingOutputFilters()
{
    if (!CMediaConversionAdministrator2::CreateProcessingOutputFilters()) return false;
    auto* set = dynamic_cast<CMultiplexOutputFilters2*>(GetProcessingOutputFilters());
    if (!set) return true;
    SetupPspOptions();
    // A picture wider than the screen keeps its sides (letter-box); a narrower one is cut.
    if (CVideoTrack* track = GetMediaFile().GetSelectedVideo()) {
        CAspectRatioInfo2& ratio = track->GetAspectRatio();
        set->SetVideoScaling(ratio.GetOutput() >= ratio.GetInput() ? kLetterBox : kPanScan);
    }
    return true;
}

CString CPspConversionAdministrator::GetThumbnailFilePath()
{
    return GetPspThumbnailFilePath();
}
