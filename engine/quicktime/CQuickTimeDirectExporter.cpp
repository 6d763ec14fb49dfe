#include "CQuickTimeDirectExporter.h"

#include "CMvSingleLock.h"
#include "CQuickTimeDirectTrackExport.h"
#include "UFileUtils.h"
#include "UQuickTimeCalls.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr OSType kAiff = 0x41494646, kSoundManufacturer = 0x736F756E;

} // namespace

CQuickTimeDirectExporter::CQuickTimeDirectExporter() : m_qt(UQuickTimeCalls::Get()) {}

CQuickTimeDirectExporter::~CQuickTimeDirectExporter() { Close(); }

bool CQuickTimeDirectExporter::IsAudioOnly() const { return m_fileType == kAiff; }

bool CQuickTimeDirectExporter::Open()
{
    if (IsOpen()) return true;
    if (!m_qt) return false;
    if (m_filePath[0]) {
        // The file record holds the path as a length-prefixed string: a longer path is refused.
        const size_t length = std::strlen(m_filePath);
        if (length > 255) return false;
        UFileUtils::DeleteFileA(m_filePath);
        unsigned char name[256];
        name[0] = static_cast<unsigned char>(length);
        std::memcpy(name + 1, m_filePath, length);
        if (m_qt->FSMakeFSSpec(0, 0, name, &m_fileSpec) != noErr) return false;
    }
    ComponentDescription description{MovieExportType, m_fileType, IsAudioOnly() ? kSoundManufacturer : 0,
                                     canMovieExportFromProcedures, canMovieExportFromProcedures};
    Component component = m_qt->FindNextComponent(nullptr, &description);
    if (!component || m_qt->OpenAComponent(component, &m_exporter) != noErr) {
        m_exporter = nullptr;
        return false;
    }
    ReallySetSettings();
    if (!OpenTracks()) {
        Close();
        return false;
    }
    return true;
}

void CQuickTimeDirectExporter::Close()
{
    // An export that does not end still uses the tracks and the component: they stay.
    if (!Stop()) return;
    CloseTracks();
    if (m_exporter) m_qt->CloseComponent(m_exporter);
    m_exporter = nullptr;
}

bool CQuickTimeDirectExporter::OpenTracks()
{
    bool opened = true;
    for (CQuickTimeDirectTrackExport* track : m_tracks) {
        track->SetMovieExporter(this, m_fileType);
        opened = track->Open();
    }
    return opened;
}

void CQuickTimeDirectExporter::CloseTracks()
{
    for (CQuickTimeDirectTrackExport* track : m_tracks) {
        track->Close();
        delete track;
    }
    m_tracks.clear();
}

bool CQuickTimeDirectExporter::DoDialog()
{
    if (!Open()) return false;
    Boolean canceled = 0;
    if (m_qt->MovieExportDoUserDialog(m_exporter, nullptr, nullptr, 0, 0, &canceled) != noErr || canceled)
        return false;
    SetMovieSettings();
    return true;
}

void CQuickTimeDirectExporter::SetSettings(const unsigned char* bytes, uint32_t length)
{
    m_settings.Allocate(0, false);
    if (bytes && length) m_settings.Append(bytes, length);
    ReallySetSettings();
}

void CQuickTimeDirectExporter::ReallySetSettings()
{
    if (!IsOpen() || m_settings.GetSize() == 0) return;
    Handle settings = m_qt->NewHandle(int32_t(m_settings.GetSize()));
    if (!settings) return;
    std::memcpy(*settings, m_settings.GetBuffer(), m_settings.GetSize());
    m_qt->MovieExportSetSettingsFromAtomContainer(m_exporter, settings);
    m_qt->DisposeHandle(settings);
    SetMovieSettings();
}

void CQuickTimeDirectExporter::ReallyGetSettings()
{
    if (!IsOpen()) return;
    QTAtomContainer settings = nullptr;
    if (m_qt->MovieExportGetSettingsAsAtomContainer(m_exporter, &settings) != noErr || !settings) return;
    m_settings.Allocate(0, false);
    m_settings.Append(reinterpret_cast<const unsigned char*>(*settings), uint32_t(m_qt->GetHandleSize(settings)));
    m_qt->QTDisposeAtomContainer(settings);
}

void CQuickTimeDirectExporter::GetSettings(CHandle& settings)
{
    ReallyGetSettings();
    settings = m_settings;
}

uint32_t CQuickTimeDirectExporter::GetSettingsLength()
{
    QTAtomContainer settings = nullptr;
    if (!IsOpen() || m_qt->MovieExportGetSettingsAsAtomContainer(m_exporter, &settings) != noErr || !settings)
        return 0;
    const uint32_t length = uint32_t(m_qt->GetHandleSize(settings));
    m_qt->QTDisposeAtomContainer(settings);
    return length;
}

void CQuickTimeDirectExporter::SetMovieSettings()
{
    for (CQuickTimeDirectTrackExport* track : m_tracks) track->SetSettings(m_exporter);
}

void CQuickTimeDirectExporter::AddTrack(CQuickTimeDirectTrackExport* track)
{
    if (!track) return;
    m_tracks.push_back(track);
    track->SetSettings(m_exporter);
}

void CQuickTimeDirectExporter::RemoveTrack(CQuickTimeDirectTrackExport* track)
{
    std::erase(m_tracks, track);
}

CQuickTimeDirectTrackExport* CQuickTimeDirectExporter::GetTrack(int index) const
{
    return index >= 0 && index < GetTrackCount() ? m_tracks[size_t(index)] : nullptr;
}

void CQuickTimeDirectExporter::Start()
{
    CMvSingleLock lock(m_lock, true);
    if (m_thread.IsRunning()) return;
    for (CQuickTimeDirectTrackExport* track : m_tracks) track->Start();
    StartThread();
}

void CQuickTimeDirectExporter::StartThread()
{
    if (!m_thread.IsRunning()) m_thread.Execute(reinterpret_cast<long>(this));
}

bool CQuickTimeDirectExporter::Stop()
{
    // Stopped tracks wake a get-data that waits and end their sources at once.
    for (CQuickTimeDirectTrackExport* track : m_tracks) track->Stop();
    return m_thread.WaitForEnd(kStopTimeoutMs);
}

bool CQuickTimeDirectExporter::WaitForStop()
{
    return m_thread.WaitForEnd(kWaitForStopMs);
}

void CQuickTimeDirectExporter::Export()
{
    if (!m_qt || !m_exporter) return;
    if (m_safeMode)
        for (CQuickTimeDirectTrackExport* track : m_tracks) track->WaitForReceiving();
    AliasHandle alias = nullptr;
    if (m_qt->QTNewAlias(&m_fileSpec, &alias, 1) != noErr || !alias) return;
    m_qt->MovieExportFromProceduresToDataRef(m_exporter, alias, rAliasType);
    m_qt->DisposeHandle(alias);
}
