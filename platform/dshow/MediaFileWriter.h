#pragma once
// Encodes what it receives and writes it to a file: one class id per file kind.
// Audio kinds (WAV, MP3, OGG Vorbis, AAC in MP4, WMA in ASF, FLAC) take PCM on their
// "In" pin; video kinds (AVI, MP4) take pictures (RGB, or a decoder's YUV, converted once
// to the encoder's format) on "Video" and PCM on "Audio".
// The file is finished when every stream ends or the graph stops, whichever is first.
#include "dshow/FileSinkFilter.h"
#include "dshow/encoders/VideoEncoding.h"

#include <memory>
#include <string>
#include <utility>
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
    // Without pins the derived writer makes its own.
    explicit CMediaFileWriter(const FileWriterKind& kind, bool pins = true);
    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    // A type of each pin's kind, so that the pins are found by kind; any PCM or listed
    // picture format is taken.
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;

protected:
    // How one stream is encoded; 0 leaves a value to the input or the encoder.
    struct SStreamEncoding {
        const char* encoder = nullptr;
        int64_t bitRate = 0;
        int maxChannels = 2;
        int sampleRate = 0;
        int channels = 0;
        int quality = 0;
        int keyFrames = 0; // pictures from one key frame to the next
        // Width 0: pictures are coded at the input's size and rate.
        VideoEncodingTarget picture;
        // The video encoder's own settings, as "key=value:key=value".
        std::string options;
    };

    ~CMediaFileWriter() override;
    HRESULT OnPause() override;
    HRESULT OnStop() override;
    HRESULT OnAllEnded() override;
    virtual bool IsVideoPin(CBasePin* pin) const;
    virtual SStreamEncoding EncodingOf(CBasePin* pin, bool video) const;
    // The multiplexer's short name for the streams connected.
    virtual const char* Container() const;
    // Whether a connected pin's stream goes into the file.
    virtual bool Writes(CBasePin*) const { return true; }

    std::mutex m_writeLock;
    // Container tags (key, UTF-8 value) written with the header.
    std::vector<std::pair<std::string, std::string>> m_metadata;

private:
    struct Stream;

    HRESULT OpenFile();
    HRESULT Finish();
    void CloseFile();

    const FileWriterKind& m_kind;
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
