#pragma once
// Where a wave-out device's bytes go (for the layer's own sources).
#include "win32/audio/WaveOut.h"

#include <atomic>
#include <memory>

class MvWaveSink {
public:
    virtual ~MvWaveSink() = default;
    // Takes the bytes, returning about when they have played; returns early once stop is set.
    virtual void Play(const char* bytes, size_t size, const std::atomic<bool>& stop) = 0;
    // Forgets what is buffered (after a reset).
    virtual void Drop() {}
    // Lets what is buffered play out (before closing).
    virtual void Drain() {}
    // Wakes a Play that waits, after stop was set.
    virtual void Interrupt() {}
};

// ALSA's "default" device; null when it cannot be opened with the format.
std::unique_ptr<MvWaveSink> MvOpenAlsaSink(const WAVEFORMATEX& format);
// Consumes bytes at the format's byte rate.
std::unique_ptr<MvWaveSink> MvOpenNullSink(const WAVEFORMATEX& format);
// The live MvWaveOutCapture's recorder, or null when there is none.
std::unique_ptr<MvWaveSink> MvOpenCaptureSink(const WAVEFORMATEX& format);
