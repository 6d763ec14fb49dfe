#include "CAudioCdTrackListControl.h"

#include "CAudioCdReader2.h"
#include "CAudioCdTrack2.h"
#include "CAudioCdTrackListDisplay.h"
#include "UListTexts.h"
#include "USingleSelection.h"
#include "UTimecodeUtils.h"

#include "win32/controls/CommCtrl.h"

namespace {
CAudioCdTrack2* AsTrack(CPersistObject* object)
{
    return object && object->IsInstanceOf(FourCharCode("act2")) ? static_cast<CAudioCdTrack2*>(object) : nullptr;
}
} // namespace

CPersistList* CAudioCdTrackListControl::GetList(CPersistObject* object)
{
    auto* reader = dynamic_cast<CAudioCdReader2*>(object);
    return reader ? &reader->GetTracks() : nullptr;
}

CObjectDisplay* CAudioCdTrackListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CAudioCdTrackListDisplay(this) : nullptr;
}

void CAudioCdTrackListControl::CreateListHeaders()
{
    InsertColumn(0, "Track", LVCFMT_LEFT, 160);
    InsertColumn(1, "Convert to", LVCFMT_LEFT, 160);
    InsertColumn(2, "Duration", LVCFMT_RIGHT, 80);
    InsertColumn(3, "Estimated Size", LVCFMT_RIGHT, 120);
    InsertColumn(4, "Status", LVCFMT_RIGHT, 120);
}

UINT CAudioCdTrackListControl::GetImageListResource(int& width, int& height)
{
    width = 16;
    height = 15;
    return 11035;
}

CString CAudioCdTrackListControl::GetObjectText(CPersistObject* object, int column, bool)
{
    CAudioCdTrack2* track = AsTrack(object);
    if (!track) return "Error";
    CString text;
    switch (column) {
    case 0:
        text.Format(track->GetTrackNumber() <= 8 ? "Track 0%d" : "Track %d", track->GetTrackNumber() + 1);
        if (!track->GetIsAudioTrack()) text += "(Data)";
        return text;
    case 1:
        return track->GetOutputFile().GetFileNameOnly();
    case 2:
        return UTimecodeUtils::FormatShort(track->GetDuration());
    case 3:
        return UListTexts::GetSizeText(track->GetEstimatedSize());
    case 4:
        return UListTexts::GetStatusText(track->GetStatus(), UListTexts::kCanceled);
    default:
        return "Error";
    }
}

int CAudioCdTrackListControl::GetObjectImage(CPersistObject* object)
{
    CAudioCdTrack2* track = AsTrack(object);
    return track && !track->GetIsAudioTrack() ? 1 : 0;
}

bool CAudioCdTrackListControl::GetObjectChecked(CPersistObject* object)
{
    CAudioCdTrack2* track = AsTrack(object);
    return track && track->GetChecked();
}

bool CAudioCdTrackListControl::CheckObject(CPersistObject* object, bool checked)
{
    CAudioCdTrack2* track = AsTrack(object);
    return track && track->SetChecked(checked);
}

CAudioCdTrack2* CAudioCdTrackListControl::GetSelectedFile()
{
    return static_cast<CAudioCdTrack2*>(USingleSelection::GetObject(*this, FourCharCode("act2")));
}
