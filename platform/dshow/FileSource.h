#pragma once
// A file source for media files of any container the demultiplexer knows: one
// output pin per audio and video stream. Plain PCM goes out as PCM; everything else
// as coded packets for the decoders of this layer.
#include "dshow/PushSource.h"

#include <string>

struct AVFormatContext;
struct AVIOContext;
struct AVPacket;

extern const CLSID CLSID_FileSource;

class CFileSource : public CPushSource, public IFileSourceFilter {
public:
    static HRESULT Create(REFIID iid, void** object);
    // formats: the container short names it opens, comma-separated; null opens any.
    explicit CFileSource(REFCLSID clsid = CLSID_FileSource, const char* formats = nullptr);
    MV_FILTER_UNKNOWN

    HRESULT Load(LPCOLESTR file, const AM_MEDIA_TYPE* type) override;
    HRESULT GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;

protected:
    ~CFileSource() override;
    // Opens the media of an opened (or, with a null context, a to-be-opened) input
    // context and makes an output pin per stream. `io` reads the bytes when given.
    HRESULT OpenMedia(const char* path, AVIOContext* io);
    void CloseMedia();
    // The opened media, null while none is.
    const AVFormatContext* Format() const { return m_format; }
    void* FindInterface(REFIID iid) override;
    HRESULT ProduceNext() override;
    HRESULT SeekTo(REFERENCE_TIME position) override;
    REFERENCE_TIME MediaDuration() override;
    double FrameRate() const override;

private:
    struct Output {
        int stream;
        CMediaType type;
        CBasePin* pin;
    };

    std::u16string m_file;
    const char* m_formats;
    AVFormatContext* m_format = nullptr;
    AVPacket* m_packet = nullptr;
    std::vector<Output> m_outputs;
    double m_frameRate = 0;
};

