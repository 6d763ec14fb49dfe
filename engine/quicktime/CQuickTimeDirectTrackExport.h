#pragma once
// One track of a direct export: a data source of the QuickTime exporter whose get-data
// procedure, on the export thread, takes the samples that the graph's thread queued.
#include "CMvCriticalSection.h"
#include "quicktime/QuickTimeMovies.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <vector>

class CQtSampleHandle;
class CQuickTimeDirectExporter;
struct SQuickTimeCalls;

class CQuickTimeDirectTrackExport {
public:
    // Samples the receiver lets wait before it backs off.
    static constexpr size_t kSoftQueueLimit = 50;
    // How long a get-data call waits for a sample.
    static constexpr uint32_t kEncodeTimeout = 10000;

    // Opens a standard compressor of that kind ('soun' or 'imag').
    explicit CQuickTimeDirectTrackExport(OSType compressorType);
    CQuickTimeDirectTrackExport(const CQuickTimeDirectTrackExport&) = delete;
    CQuickTimeDirectTrackExport& operator=(const CQuickTimeDirectTrackExport&) = delete;
    virtual ~CQuickTimeDirectTrackExport();

    // True while the data source is added to the exporter.
    virtual bool IsOpen() const;
    // The base makes the fill event; the tracks then add their data source.
    virtual bool Open();
    virtual void Close();
    virtual void CopyData(CQtSampleHandle& sample, const unsigned char* data, uint32_t size, double start,
                          double duration);
    // Queues a copy of the sample for the export thread.
    bool Receive(const unsigned char* data, uint32_t size, double start, double duration);
    // Waits up to 4 s for 8 samples to be queued.
    virtual bool WaitForReceiving();

    void SetMovieExporter(CQuickTimeDirectExporter* exporter, OSType fileType);
    // The exporter's settings given to the track's compressor.
    bool SetSettings(ComponentInstance exporter);

    void Start();
    // No more samples will come.
    void End();
    void Stop();
    bool IsRunning() const { return m_running; }
    bool IsEnded() const { return m_ended; }
    ComponentInstance GetCompressor() const { return m_compressor; }
    int32_t GetTrackId() const { return m_trackId; }
    size_t GetFilledCount();

protected:
    CQtSampleHandle* GetReceiveBuffer();
    void SettleReceiveBuffer(CQtSampleHandle* sample);
    // The oldest queued sample, which becomes the current encode buffer; null when none came.
    CQtSampleHandle* GetEncodeBuffer(uint32_t timeout);
    // Puts the current encode buffer back at the head of the queue and makes a spare one current.
    CQtSampleHandle* ReplaceEncodeBuffer();
    bool AddDataSource(OSType type, TimeScale scale, MovieExportGetPropertyUPP property, MovieExportGetDataUPP data);
    void ClearFlags();

    const SQuickTimeCalls* m_qt;
    CQuickTimeDirectExporter* m_exporter = nullptr;
    OSType m_fileType = 0;
    MovieExportGetPropertyUPP m_getProperty = nullptr;
    MovieExportGetDataUPP m_getData = nullptr;
    int32_t m_trackId = 0;
    ComponentInstance m_compressor = nullptr;

private:
    CQtSampleHandle* TakeSpare();
    void DeleteBuffers();

    void* m_fillEvent = nullptr;
    CMvCriticalSection m_lock;
    std::deque<CQtSampleHandle*> m_filled;
    std::vector<CQtSampleHandle*> m_spare;
    CQtSampleHandle* m_encode = nullptr;
    // Written by the controlling thread, read by the export thread's wait.
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_ended{false};
};
