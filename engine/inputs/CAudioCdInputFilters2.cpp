#include "CAudioCdInputFilters2.h"

#include "CAudioTrackFilter.h"

const char* const CAudioCdInputFilters2::kCreateReaderError = "Unable to create audio CD reader.";

CAudioCdInputFilters2::CAudioCdInputFilters2(CDirectShowGraph* graph) : CFileInputFilters2(graph) {}

bool CAudioCdInputFilters2::CreateInput()
{
    auto* track = dynamic_cast<CAudioTrackFilter*>(m_fileSource);
    if (!track) {
        ReleaseFileSource();
        track = new CAudioTrackFilter(m_graph);
        m_fileSource = track;
    }
    track->SetPath(m_filePath);
    track->SetAdapterId(m_adapter);
    track->SetScsiId(m_scsi);
    track->SetTrackNumber(m_track);
    if (track->Create()) return true;
    SetErrorText(kCreateReaderError);
    ReleaseFileSource();
    return false;
}
