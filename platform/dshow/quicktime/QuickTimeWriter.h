#pragma once
// The QuickTime writer filters: MOV, MP4/M4A, 3GP/3G2, DV and AIFF files written by the
// QuickTime library's encoders for the formats chosen, each under the class ids the
// QuickTime writers are known by. Without the QuickTime library nothing is written.
#include "dshow/MediaFileWriter.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"
#include "dshow/interfaces/QuickTimeWriterInterfaces.h"

#include <atomic>
#include <string>

class CQuickTimeWriter : public CMediaFileWriter,
                         public IQuickTimeVideoCompression,
                         public IQuickTimeVideoRate,
                         public IQuickTimeSoundCompression,
                         public IQuickTimeExportRates,
                         public IQuickTimeExportSettings,
                         public IQuickTimeCompressionSettings,
                         public IQuickTimeVideoSettings,
                         public IQuickTimeWriterMode,
                         public IEncoderTags {
public:
    explicit CQuickTimeWriter(const FileWriterKind& kind);
    MV_FILTER_UNKNOWN

    HRESULT SetVideoFormat(DWORD format) override;
    HRESULT SetQuality(LONG quality) override;
    HRESULT SetVideoBitrate(LONG bitrate) override;
    HRESULT SetAudioFormat(DWORD format) override;
    HRESULT SetCapturing(BOOL capturing) override;
    HRESULT SetAudioBitrate(LONG bitrate) override;
    // Settings blocks of the QuickTime library: their codecs, rates and key frames stand
    // where the calls above left a value unset.
    HRESULT SetExportSettings(const BYTE* bytes, LONG size) override;
    HRESULT SetCompressionSettings(const BYTE* bytes, LONG size) override;
    HRESULT SetVideoSettings(const BYTE* bytes, LONG size) override;
    HRESULT SetKeyFrameInterval(LONG frames) override;
    // Every file is written whole whatever the mode: nothing is dropped to keep up.
    HRESULT SetConverting(BOOL converting) override;
    // Written into the movie's header; an empty value drops the tag.
    HRESULT SetTag(const char* name, const char* value) override;

protected:
    void* FindInterface(REFIID iid) override;
    HRESULT OnPause() override;
    SStreamEncoding EncodingOf(CBasePin* pin, bool video) const override;

private:
    HRESULT KeepSettings(std::string& kept, const BYTE* bytes, LONG size);
    // What the settings blocks hold, read with the library when the file is opened.
    void ReadSettings();
    DWORD VideoFormat() const { return m_videoFormat ? DWORD(m_videoFormat) : m_block.videoFormat; }
    DWORD AudioFormat() const { return m_audioFormat ? DWORD(m_audioFormat) : m_block.audioFormat; }

    std::string m_exportSettings;
    std::string m_videoSettings;
    struct SBlockValues {
        DWORD videoFormat = 0, audioFormat = 0;
        LONG quality = 0, videoBitrate = 0, audioBitrate = 0, keyFrames = 0;
    } m_block;
    std::atomic<LONG> m_keyFrames{0};
    std::atomic<DWORD> m_videoFormat{0};
    std::atomic<DWORD> m_audioFormat{0};
    std::atomic<LONG> m_quality{0};
    std::atomic<LONG> m_videoBitrate{0};
    std::atomic<LONG> m_audioBitrate{0};
    // The MP4 exporter's own video choice is H.264 where it can encode it.
    const bool m_prefersH264;
    const bool m_dv;
};

// The FFmpeg encoder the QuickTime library names for a format code; null without the
// library or when it cannot encode the format.
const char* QuickTimeEncoderFor(DWORD format);

void DShowRegisterQuickTimeWriters();
