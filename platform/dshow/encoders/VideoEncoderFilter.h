#pragma once
// Encodes uncompressed pictures ("Video In": RGB32, RGB24 or a YUV layout of
// PictureFormat.h, taken as they come) into a coded video stream ("Video Out"): a video info type whose compression is the codec's four-character code, its
// set-up data behind the block. One class id per codec, each an installed video
// compressor under its own name.
#include "dshow/BaseFilter.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"

#include <memory>
#include <vector>

class CVideoEncoding;
struct AVPacket;
struct VIDEOINFOHEADER;

struct VideoEncoderKind {
    const CLSID* clsid;
    const char* name;
    const char* encoder;
};

class CVideoStreamEncoder : public CBaseFilter, public IVideoEncoderSettings {
public:
    explicit CVideoStreamEncoder(const VideoEncoderKind& kind);
    MV_FILTER_UNKNOWN

    HRESULT SetState(const BYTE* state, LONG size) override;
    HRESULT SetSizeClass(LONG sizeClass) override;
    HRESULT SetQuality(BYTE quality) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT CompleteConnect(CBasePin* pin, IPin* peer) override;
    void BreakConnect(CBasePin* pin) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

protected:
    ~CVideoStreamEncoder() override;
    void* FindInterface(REFIID iid) override;
    HRESULT OnPause() override;
    // Opens the codec on the connected input.
    virtual HRESULT OpenEncoding(const VIDEOINFOHEADER& input);
    CVideoEncoding& Encoding() const { return *m_encoding; }
    const VideoEncoderKind& Kind() const { return m_kind; }
    int Quality() const { return m_quality; }
    // Hands one coded picture on, timed by its frame number.
    virtual HRESULT DeliverPacket(AVPacket& packet);

private:
    HRESULT Open();

    const VideoEncoderKind& m_kind;
    std::unique_ptr<CVideoEncoding> m_encoding;
    std::mutex m_streamLock;
    int m_quality = 0;
    LONG m_sizeClass = 1;
    std::vector<BYTE> m_state; // kept for the caller; these encoders have no state of their own
};

void DShowRegisterVideoEncoders();
