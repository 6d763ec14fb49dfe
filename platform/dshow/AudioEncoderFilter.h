#pragma once
// Encodes PCM into a coded audio stream for a multiplexer: one class id per codec
// (MP3, Vorbis, AAC, WMA, FLAC). Its output type carries the codec and its set-up
// data; packets carry their times.
#include "dshow/BaseFilter.h"

#include <memory>

class CAudioEncoding;
struct AVPacket;

struct AudioEncoderKind {
    const CLSID* clsid;
    const char* name;
    const char* encoder;
    int64_t bitRate; // 0 = the encoder's own choice
    int maxChannels;
};

class CAudioStreamEncoder : public CBaseFilter {
public:
    explicit CAudioStreamEncoder(const AudioEncoderKind& kind);

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT CompleteConnect(CBasePin* pin, IPin* peer) override;
    void BreakConnect(CBasePin* pin) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

protected:
    ~CAudioStreamEncoder() override;
    HRESULT OnPause() override;

private:
    HRESULT Open();
    HRESULT DeliverPacket(AVPacket& packet);

    const AudioEncoderKind& m_kind;
    std::unique_ptr<CAudioEncoding> m_encoding;
    std::mutex m_streamLock;
};

extern const CLSID CLSID_Mp3AudioEncoder;
extern const CLSID CLSID_VorbisAudioEncoder;
extern const CLSID CLSID_AacAudioEncoder;
extern const CLSID CLSID_WmaAudioEncoder;
extern const CLSID CLSID_FlacAudioEncoder;

void DShowRegisterAudioEncoders();
