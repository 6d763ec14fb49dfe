#pragma once
// Encodes what it receives and writes it to a file: one class id per file kind.
// Audio kinds (WAV, MP3, OGG Vorbis, AAC in MP4, WMA in ASF, FLAC) take PCM on their
// "In" pin; video kinds (AVI, MP4) take RGB pictures on "Video" and PCM on "Audio".
// The file is finished when every stream ends or the graph stops, whichever is first.
#include "dshow/FileSinkFilter.h"

#include <memory>
#include <string>
#include <vector>

struct AVFormatContext;

struct FileWriterKind {
    const CLSID* clsid;
    const char* name;      // the filter's name
    const char* container; // the multiplexer's short name
    const char* audioEncoder;
    const char* videoEncoder; // null for audio-only kinds
    int64_t audioBitRate;     // 0 = the encoder's own choice
    int maxChannels;
};

class CMediaFileWriter : public CFileSinkFilter {
public:
    explicit CMediaFileWriter(const FileWriterKind& kind);
    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;

protected:
    ~CMediaFileWriter() override;
    HRESULT OnPause() override;
    HRESULT OnStop() override;
    HRESULT OnAllEnded() override;

private:
    struct Stream;

    HRESULT OpenFile();
    HRESULT Finish();
    void CloseFile();
    bool IsVideoPin(CBasePin* pin) const;

    const FileWriterKind& m_kind;
    std::mutex m_writeLock;
    AVFormatContext* m_output = nullptr;
    std::vector<std::unique_ptr<Stream>> m_streams;
};

extern const CLSID CLSID_WavFileWriter;
extern const CLSID CLSID_Mp3FileWriter;
extern const CLSID CLSID_OggVorbisFileWriter;
extern const CLSID CLSID_AacFileWriter;
extern const CLSID CLSID_WmaFileWriter;
extern const CLSID CLSID_FlacFileWriter;
extern const CLSID CLSID_AviFileWriter;
extern const CLSID CLSID_Mp4FileWriter;

// Registers every writer kind as a creatable class.
void DShowRegisterFileWriters();
