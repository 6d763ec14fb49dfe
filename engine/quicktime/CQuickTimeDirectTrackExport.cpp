#include "CQuickTimeDirectTrackExport.h"

#include "CMvSingleLock.h"
#include "CQtSampleHandle.h"
#include "CQuickTimeDirectExporter.h"
#include "UQuickTimeCalls.h"
#include "win32/kernel/Threads.h"

CQuickTimeDirectTrackExport::CQuickTimeDirectTrackExport(OSType compressorType) : m_qt(UQuickTimeCalls::Get())
{
    if (m_qt) m_qt->OpenADefaultComponent(StandardCompressionType, compressorType, &m_compressor);
}

CQuickTimeDirectTrackExport::~CQuickTimeDirectTrackExport()
{
    Close();
    if (m_compressor) m_qt->CloseComponent(m_compressor);
}

bool CQuickTimeDirectTrackExport::IsOpen() const { return m_getProperty && m_getData; }

bool CQuickTimeDirectTrackExport::Open()
{
    if (!m_fillEvent) m_fillEvent = CreateEvent(nullptr, FALSE, FALSE, "Fill Event");
    return m_fillEvent != nullptr;
}

void CQuickTimeDirectTrackExport::Close()
{
    if (IsOpen() && m_exporter && m_exporter->GetMovieExporter())
        m_qt->MovieExportDisposeDataSource(m_exporter->GetMovieExporter(), m_getProperty, m_getData, nullptr);
    m_getProperty = nullptr;
    m_getData = nullptr;
    if (m_fillEvent) CloseHandle(m_fillEvent);
    m_fillEvent = nullptr;
    DeleteBuffers();
}

void CQuickTimeDirectTrackExport::DeleteBuffers()
{
    CMvSingleLock lock(m_lock, true);
    for (CQtSampleHandle* sample : m_filled) delete sample;
    for (CQtSampleHandle* sample : m_spare) delete sample;
    delete m_encode;
    m_filled.clear();
    m_spare.clear();
    m_encode = nullptr;
}

void CQuickTimeDirectTrackExport::SetMovieExporter(CQuickTimeDirectExporter* exporter, OSType fileType)
{
    m_exporter = exporter;
    m_fileType = fileType;
}

bool CQuickTimeDirectTrackExport::SetSettings(ComponentInstance exporter)
{
    if (!m_compressor || !exporter) return false;
    QTAtomContainer settings = nullptr;
    if (m_qt->MovieExportGetSettingsAsAtomContainer(exporter, &settings) != noErr) return false;
    const bool set = m_qt->SCSetSettingsFromAtomContainer(m_compressor, settings) == noErr;
    m_qt->QTDisposeAtomContainer(settings);
    return set;
}

bool CQuickTimeDirectTrackExport::AddDataSource(OSType type, TimeScale scale, MovieExportGetPropertyUPP property,
                                                MovieExportGetDataUPP data)
{
    if (!m_qt || !m_exporter || !m_exporter->GetMovieExporter()) return false;
    if (m_qt->MovieExportAddDataSource(m_exporter->GetMovieExporter(), type, scale, &m_trackId, property, data,
                                       this) != noErr)
        return false;
    m_getProperty = property;
    m_getData = data;
    return true;
}

void CQuickTimeDirectTrackExport::CopyData(CQtSampleHandle& sample, const unsigned char* data, uint32_t size,
                                           double start, double duration)
{
    sample.Allocate(0, false);
    if (data && size) sample.Append(data, size);
    sample.SetStart(start);
    sample.SetDuration(duration);
}

bool CQuickTimeDirectTrackExport::Receive(const unsigned char* data, uint32_t size, double start, double duration)
{
    CQtSampleHandle* sample = GetReceiveBuffer();
    CopyData(*sample, data, size, start, duration);
    SettleReceiveBuffer(sample);
    return true;
}

bool CQuickTimeDirectTrackExport::WaitForReceiving()
{
    for (int check = 0; check < 40; ++check) {
        if (GetFilledCount() >= 8) return true;
        Sleep(100);
    }
    return false;
}

size_t CQuickTimeDirectTrackExport::GetFilledCount()
{
    CMvSingleLock lock(m_lock, true);
    return m_filled.size();
}

void CQuickTimeDirectTrackExport::Start()
{
    m_ended = false;
    m_running = true;
}

void CQuickTimeDirectTrackExport::End()
{
    if (!m_running) return;
    m_ended = true;
    if (m_fillEvent) SetEvent(m_fillEvent);
}

void CQuickTimeDirectTrackExport::Stop()
{
    {
        CMvSingleLock lock(m_lock, true);
        m_running = false;
        m_ended = false;
    }
    // A wait in get-data sees it at once rather than at its next step.
    if (m_fillEvent) SetEvent(m_fillEvent);
}

void CQuickTimeDirectTrackExport::ClearFlags()
{
    m_running = false;
    m_ended = false;
}

CQtSampleHandle* CQuickTimeDirectTrackExport::TakeSpare()
{
    if (m_spare.empty()) return new CQtSampleHandle;
    CQtSampleHandle* sample = m_spare.back();
    m_spare.pop_back();
    return sample;
}

CQtSampleHandle* CQuickTimeDirectTrackExport::GetReceiveBuffer()
{
    // A soft limit: after a quarter of a second the sample is queued regardless.
    for (int wait = 0; wait < 5 && GetFilledCount() > kSoftQueueLimit; ++wait) Sleep(50);
    CMvSingleLock lock(m_lock, true);
    return TakeSpare();
}

void CQuickTimeDirectTrackExport::SettleReceiveBuffer(CQtSampleHandle* sample)
{
    CMvSingleLock lock(m_lock, true);
    m_filled.push_back(sample);
    if (m_fillEvent) SetEvent(m_fillEvent);
}

CQtSampleHandle* CQuickTimeDirectTrackExport::GetEncodeBuffer(uint32_t timeout)
{
    {
        CMvSingleLock lock(m_lock, true);
        if (m_encode) m_spare.push_back(m_encode);
        m_encode = nullptr;
    }
    uint32_t waited = 0;
    while (GetFilledCount() == 0) {
        if (!m_running || m_ended || !m_fillEvent) return nullptr;
        WaitForSingleObject(m_fillEvent, 500);
        waited += 500;
        if (waited > timeout) return nullptr;
    }
    CMvSingleLock lock(m_lock, true);
    if (m_filled.empty()) return nullptr;
    m_encode = m_filled.front();
    m_filled.pop_front();
    return m_encode;
}

CQtSampleHandle* CQuickTimeDirectTrackExport::ReplaceEncodeBuffer()
{
    CMvSingleLock lock(m_lock, true);
    if (m_encode) m_filled.push_front(m_encode);
    m_encode = TakeSpare();
    return m_encode;
}
