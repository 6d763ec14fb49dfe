#pragma once
// Writes samples straight into a track of a QuickTime movie that the caller supplies.
#include "quicktime/QuickTimeMovies.h"

#include <atomic>
#include <cstdint>

struct SQuickTimeCalls;

class CQuickTimeTrackEncoder {
public:
    CQuickTimeTrackEncoder();
    CQuickTimeTrackEncoder(const CQuickTimeTrackEncoder&) = delete;
    CQuickTimeTrackEncoder& operator=(const CQuickTimeTrackEncoder&) = delete;
    // Inserts what was added into the track.
    virtual ~CQuickTimeTrackEncoder();

    virtual bool IsOpen() const { return false; }
    // True when movie, track and media all exist.
    virtual bool Open();
    virtual void Close() {}
    virtual bool OpenTrack() = 0;
    virtual bool Encode(const unsigned char* data, uint32_t size, double start, double duration) = 0;

    void SetMovie(Movie movie) { m_movie = movie; }
    void SetFormat(OSType format) { m_format = format; }
    OSType GetFormat() const { return m_format; }
    void SetSampleDescription(SampleDescriptionHandle description) { m_description = description; }
    // Ends the media's edits and places the whole media in the track at its first time.
    void CloseTrack();

    // Start and duration in seconds; a sample gets at least one tick.
    bool AddSample(uint32_t size, double start, double duration, int16_t flags, SampleDescriptionHandle description);
    // Start and count in media ticks, each sample one tick long.
    bool AddSample(uint32_t size, uint32_t start, uint32_t count, int16_t flags, SampleDescriptionHandle description);

    void Start() { m_running = true; }
    void Stop() { m_running = false; }
    bool IsStopped() const { return !m_running; }
    Track GetTrack() const { return m_track; }
    TimeScale GetTimeScale() const { return m_scale; }
    TimeValue GetFirstTime() const { return m_firstTime; }
    TimeValue GetNextTime() const { return m_nextTime; }

protected:
    const SQuickTimeCalls* m_qt;
    Movie m_movie = nullptr;
    Track m_track = nullptr;
    Media m_media = nullptr;
    OSType m_format = 0;
    SampleDescriptionHandle m_description = nullptr;
    TimeScale m_scale = 600;
    TimeValue m_firstTime = 0;
    TimeValue m_nextTime = 0;
    bool m_added = false;
    // The compressed bytes of the current sample.
    Handle m_data = nullptr;
    std::atomic<bool> m_running{false};
};
