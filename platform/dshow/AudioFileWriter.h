#pragma once
// Encodes the PCM it receives and writes it to a file: one class id per file kind
// (WAV, MP3, OGG Vorbis, AAC in MP4, WMA in ASF, FLAC). The file is finished when the
// stream ends or the graph stops, whichever comes first.
#include "dshow/SinkFilter.h"

#include <memory>
#include <string>

struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
class CAudioConverter;

struct AudioWriterKind {
    const CLSID* clsid;
    const char* name;      // the filter's name
    const char* container; // the multiplexer's short name
    const char* encoder;
    int64_t bitRate; // 0 = the encoder's own choice
    int maxChannels;
};

class CAudioFileWriter : public CSinkFilter, public IFileSinkFilter {
public:
    explicit CAudioFileWriter(const AudioWriterKind& kind);
    MV_FILTER_UNKNOWN

    HRESULT SetFileName(LPCOLESTR file, const AM_MEDIA_TYPE* type) override;
    HRESULT GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;

    static const AudioWriterKind* Kinds(size_t* count);

protected:
    ~CAudioFileWriter() override;
    void* FindInterface(REFIID iid) override;
    HRESULT OnPause() override;
    HRESULT OnStop() override;
    HRESULT OnAllEnded() override;

private:
    HRESULT OpenFile();
    HRESULT EncodeQueued(bool final);
    HRESULT Encode(AVFrame* frame);
    HRESULT Finish();
    void CloseFile();

    const AudioWriterKind& m_kind;
    std::u16string m_file;
    std::mutex m_writeLock;
    AVFormatContext* m_output = nullptr;
    AVCodecContext* m_codec = nullptr;
    AVFrame* m_frame = nullptr;
    AVPacket* m_packet = nullptr;
    std::unique_ptr<CAudioConverter> m_converter;
    int64_t m_samples = 0;
    int m_inBytesPerSample = 0;
    int m_inChannels = 0;
};

extern const CLSID CLSID_WavFileWriter;
extern const CLSID CLSID_Mp3FileWriter;
extern const CLSID CLSID_OggVorbisFileWriter;
extern const CLSID CLSID_AacFileWriter;
extern const CLSID CLSID_WmaFileWriter;
extern const CLSID CLSID_FlacFileWriter;

// Registers every writer kind as a creatable class.
void DShowRegisterAudioWriters();
