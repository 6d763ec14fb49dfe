#pragma once
// Interleaves coded (or PCM) streams into a container and hands the container's bytes
// on as a byte stream whose samples carry their file offset in `start`, for a file
// writer. One class id per container (WAV, MP3, OGG, Matroska, AVI). Inputs are
// "Video In" (OGG, Matroska, AVI) and "Audio In": PCM, a coded wave type, or a coded
// stream of the file source; AVI also takes interleaved DV on "Video In" as its one stream
// (a type-1 DV AVI). Tags given before the run go into the container's own tags (ID3v2 in MP3).
#include "dshow/BaseFilter.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

struct AVFormatContext;
struct AVIOContext;
struct AVPacket;

struct MultiplexerKind {
    const CLSID* clsid;
    const char* name;
    const char* container;
    bool video; // has a "Video" input besides "Audio"
};

class CStreamMultiplexer : public CBaseFilter, public IEncoderTags, public IConfigInterleaving {
public:
    explicit CStreamMultiplexer(const MultiplexerKind& kind);
    MV_FILTER_UNKNOWN

    HRESULT SetTag(const char* name, const char* value) override;
    HRESULT put_Mode(LONG mode) override;
    HRESULT get_Mode(LONG* mode) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

    // The container's output: bytes at the current offset, and moves of that offset.
    int WriteBytes(const uint8_t* data, int size);
    int64_t SeekBytes(int64_t offset, int whence);

protected:
    ~CStreamMultiplexer() override;
    void* FindInterface(REFIID iid) override;
    // Settings of the container's own, given before its header is written.
    virtual void ConfigureContainer(AVFormatContext&) {}
    HRESULT OnPause() override;
    HRESULT OnStop() override;

private:
    HRESULT Open();
    HRESULT WriteHeader();
    void Close();
    CBasePin* Output() const { return PinAt(PinCount() - 1); }

    const MultiplexerKind& m_kind;
    std::mutex m_muxLock;
    AVFormatContext* m_output = nullptr;
    AVPacket* m_packet = nullptr;
    std::vector<CBasePin*> m_streamPins; // by stream index
    std::set<CBasePin*> m_ended;
    bool m_headerWritten = false;
    bool m_finished = false;
    bool m_typeOneDv = false; // interleaved DV, its header still to be marked
    int64_t m_position = 0;
    int64_t m_size = 0;
    std::vector<std::pair<std::string, std::string>> m_tags; // container keys and values
    LONG m_interleaving = 2;
};

extern const CLSID CLSID_WavMultiplexer;
extern const CLSID CLSID_Mp3Multiplexer;
extern const CLSID CLSID_OggMultiplexer;
extern const CLSID CLSID_MatroskaMultiplexer;
extern const CLSID CLSID_AviMux;

void DShowRegisterMultiplexers();
