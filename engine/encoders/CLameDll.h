#pragma once
// The MP3 encoder library, loaded at run time: opens a stream for one sample rate, channel
// count and bitrate and encodes 16-bit PCM of any length into MP3 frames, chunk by chunk.
#include "CHandle.h"
#include "CLibrary.h"
#include "lame/LameEnc.h"

class CLameDll : public CLibrary {
public:
    static constexpr const char* kLibraryName = "lame_enc.dll";

    CLameDll() = default;
    CLameDll(const CLameDll&) = delete;
    CLameDll& operator=(const CLameDll&) = delete;
    ~CLameDll() override;

    void SetSampleRate(DWORD rate) { m_sampleRate = rate; }
    DWORD GetSampleRate() const { return m_sampleRate; }
    void SetChannel(WORD channels) { m_channels = channels; }
    WORD GetChannelCount() const { return m_channels; }
    void SetBitrate(DWORD kbps) { m_bitrate = kbps; }
    DWORD GetBitrate() const { return m_bitrate; }

    // The path set with Load, else the library by its bare name; true when all four entry
    // points are bound.
    bool LoadLibraryA() override;
    bool Open();
    // Encodes whole chunks into mp3 (which must hold the output of every chunk the call
    // completes) and keeps the rest for the next call; written is the MP3 byte count.
    bool Encode(const BYTE* pcm, DWORD length, BYTE* mp3, DWORD& written);
    // Encodes what is kept and the encoder's last frames into out, then ends the stream.
    bool Close(CHandle& out);

    bool IsOpen() const { return m_stream != 0; }
    DWORD GetChunkSize() const { return m_chunkSize; }
    DWORD GetMp3BufferSize() const { return m_bufferSize; }

private:
    bool HasEntryPoints() const;
    void ResetStream();

    HBE_STREAM m_stream = 0;
    DWORD m_sampleRate = 44100;
    WORD m_channels = 2;
    DWORD m_bitrate = 0;
    BEINITSTREAM m_beInitStream = nullptr;
    BEENCODECHUNK m_beEncodeChunk = nullptr;
    BEDEINITSTREAM m_beDeinitStream = nullptr;
    BECLOSESTREAM m_beCloseStream = nullptr;
    DWORD m_chunkSize = 0;
    DWORD m_bufferSize = 0;
    CHandle m_carry;
};
