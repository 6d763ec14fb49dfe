#include "CAudioTrackFilter.h"

#include "EncoderSetIds.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/WideText.h"
#include "dshow/discs/DiscInterfaces.h"

#include <string>

CAudioTrackFilter::CAudioTrackFilter(CDirectShowGraph* graph, const char* name) : CSourceFilter(graph, name)
{
    SetId(CLSID_AudioTrack);
    SetOwnComponent(true);
}

bool CAudioTrackFilter::Create()
{
    if (m_filter) return true;
    if (!CSourceFilter::Create()) return false;
    if (m_adapter != kNoAdapter ? PassDriveAddress() : LoadPath()) return true;
    Release();
    return false;
}

bool CAudioTrackFilter::PassDriveAddress()
{
    IAudioTrackDrive* drive = nullptr;
    if (FAILED(QueryInterfaceTo(m_filter, &drive)) || !drive) return false;
    const bool passed = SUCCEEDED(drive->SetAdapterId(m_adapter)) && SUCCEEDED(drive->SetScsiId(m_scsi)) &&
                        SUCCEEDED(drive->SetTrackNumber(m_track));
    drive->Release();
    return passed;
}

bool CAudioTrackFilter::LoadPath()
{
    IFileSourceFilter* source = nullptr;
    if (m_path.IsEmpty() || FAILED(QueryInterfaceTo(m_filter, &source)) || !source) return false;
    const bool loaded = SUCCEEDED(source->Load(WideText(std::string(m_path)).c_str(), nullptr));
    source->Release();
    return loaded;
}
