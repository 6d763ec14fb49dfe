#pragma once
// The Windows Media ASF writer: one input pin per stream of the profile it is configured
// with ("Audio Input 01", "Video Input 01", ...), each taking PCM or RGB pictures and
// encoding them with the stream's codec, rate and bit rate into an ASF file; the header
// attributes become the file's tags.
#include "dshow/MediaFileWriter.h"
#include "dshow/asf/AsfAttributes.h"
#include "dshow/asf/AsfWriterId.h"
#include "dshow/interfaces/ConfigAsfWriter.h"

class CAsfWriter : public CMediaFileWriter, public IConfigAsfWriter, public IWMHeaderInfo {
public:
    static HRESULT Create(REFIID iid, void** object);
    CAsfWriter();
    MV_FILTER_UNKNOWN

    HRESULT ConfigureFilterUsingProfile(IWMProfile* profile) override;
    HRESULT GetCurrentProfile(IWMProfile** profile) override;
    HRESULT SetIndexMode(BOOL index) override;
    HRESULT GetIndexMode(BOOL* index) override;

    MV_HEADER_INFO(m_attributes)
    HRESULT SetAttribute(WORD stream, LPCWSTR name, WMT_ATTR_DATATYPE type, const BYTE* value, WORD length) override;

    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;

protected:
    ~CAsfWriter() override;
    void* FindInterface(REFIID iid) override;
    bool IsVideoPin(CBasePin* pin) const override;
    SStreamEncoding EncodingOf(CBasePin* pin, bool video) const override;

private:
    // What one input pin's stream is coded as.
    struct SStream {
        bool video = false;
        const char* encoder = nullptr;
        DWORD bitrate = 0;
        DWORD sampleRate = 0;
        WORD channels = 0;
        LONG width = 0, height = 0;
        REFERENCE_TIME frameTime = 0;
        int quality = 0; // 1..99 for a quality-driven stream
    };
    static bool ReadStream(IWMStreamConfig* config, SStream& stream);
    void MakePins();
    const SStream* StreamOf(CBasePin* pin) const;

    std::vector<SStream> m_streams; // by pin index
    IWMProfile* m_profile = nullptr;
    BOOL m_index = TRUE;
    CAsfAttributes m_attributes;
};

