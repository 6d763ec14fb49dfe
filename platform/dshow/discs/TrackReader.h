#pragma once
// Where an audio track's PCM comes from: a CD drive's track or a WAVE file.
#include "win32/WinTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CTrackReader {
public:
    virtual ~CTrackReader() = default;
    virtual DWORD SampleRate() const = 0;
    virtual WORD Channels() const = 0;
    virtual WORD BitsPerSample() const = 0;
    // Bytes of PCM in the whole track.
    virtual uint64_t Length() const = 0;
    // Goes to a byte offset (a whole block).
    virtual bool Seek(uint64_t offset) = 0;
    // Appends the next piece; false at the end or on a read error.
    virtual bool Read(std::vector<BYTE>& bytes) = 0;

    DWORD BlockAlign() const { return DWORD(Channels()) * BitsPerSample() / 8; }

    // Null when the file is no PCM WAVE file this reader can play.
    static std::unique_ptr<CTrackReader> OpenWave(const std::string& path);
    // The track of the n-th CD drive (counted from 0); null when there is no such drive,
    // disc or audio track.
    static std::unique_ptr<CTrackReader> OpenDrive(int adapter, int track);
    // The CD drives of this machine, in the order adapters count them.
    static std::vector<std::string> Drives();
};
