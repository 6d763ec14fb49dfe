#pragma once
// Encodes PCM into a coded audio stream for a multiplexer: one class id per codec
// (MP3, Vorbis, AAC, WMA, FLAC). Its output offers wave format types (the codec's wave
// tag, its set-up data behind the block) at the input's rate and channels, one for each
// bitrate it can make; the type the output is connected with sets the bitrate. Before
// the input is connected it lists every rate, channel count and bitrate it encodes.
#include "dshow/BaseFilter.h"

#include <map>
#include <memory>
#include <vector>

class CAudioEncoding;
struct AVPacket;

struct AudioEncoderKind {
    const CLSID* clsid;
    const char* name;
    const char* encoder;
    std::vector<int64_t> bitRates; // the first is the default; empty: the encoder's own choice
    int maxChannels;
    bool listed; // an installed audio compressor
    // Whether the codec writes a bitrate at a sample rate and channel count; null: any the
    // encoder's sound can fill (4 bytes a sample).
    bool (*writes)(int64_t bitRate, DWORD rate, WORD channels) = nullptr;
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
    // The output type at one bitrate for the connected input; its set-up data is made once.
    bool MakeOutputType(CMediaType& type, int64_t bitRate);
    // Every type offered before the input is connected.
    bool MakeListedType(CMediaType& type, int index) const;
    int64_t ChosenBitRate() const;

    const AudioEncoderKind& m_kind;
    std::unique_ptr<CAudioEncoding> m_encoding;
    std::mutex m_streamLock;
    int64_t m_bitRate = 0; // set by the output's type; 0 = the default
    struct OutputSetup {
        bool opened = false;
        int codecId = 0;
        DWORD sampleRate = 0;
        WORD channels = 0;
        WORD blockAlign = 1;
        DWORD bitRate = 0;
        std::vector<BYTE> extra;
    };
    std::map<int64_t, OutputSetup> m_setup; // what the encoder makes at each bitrate, for the connected input
};

extern const CLSID CLSID_Mp3AudioEncoder;
extern const CLSID CLSID_VorbisAudioEncoder;
extern const CLSID CLSID_AacAudioEncoder;
extern const CLSID CLSID_WmaAudioEncoder;
extern const CLSID CLSID_FlacAudioEncoder;
extern const CLSID CLSID_PcmAudioCompressor;

void DShowRegisterAudioEncoders();
