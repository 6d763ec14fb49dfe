#pragma once
// Writes the RGB pictures it takes on "Video" as an FLC animation: each picture reduced
// to 256 colours of its own, shown for the input's frame time. It answers the QuickTime
// writers' settings as their FLC exporter: its one format is 'FLC ' (0 means it too), it
// has no sound, and quality does not apply to a palette of 256 exact-mean colours.
#include "dshow/FileSinkFilter.h"
#include "dshow/images/PaletteQuantiser.h"
#include "dshow/interfaces/QuickTimeWriterInterfaces.h"

#include <cstdio>
#include <memory>
#include <mutex>
#include <vector>

class CFlcEncoder;

class CFlcFileWriter : public CFileSinkFilter, public IQuickTimeVideoCompression, public IQuickTimeSoundCompression {
public:
    static HRESULT Create(REFIID iid, void** object);
    CFlcFileWriter();
    MV_FILTER_UNKNOWN

    HRESULT SetVideoFormat(DWORD format) override;
    HRESULT SetQuality(LONG quality) override;
    HRESULT SetAudioFormat(DWORD format) override;
    HRESULT SetCapturing(BOOL capturing) override;
    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;

protected:
    ~CFlcFileWriter() override;
    void* FindInterface(REFIID iid) override;
    HRESULT OnPause() override;
    HRESULT OnStop() override;
    HRESULT OnAllEnded() override;

private:
    // Writes the header for the frames written and closes the file.
    HRESULT Finish();

    std::mutex m_fileLock;
    FILE* m_file = nullptr;
    bool m_failed = false;
    std::unique_ptr<CFlcEncoder> m_encoder;
    CPaletteQuantiser m_quantiser;
    Palette m_palette{};
    std::vector<uint8_t> m_indices;
    std::vector<uint8_t> m_frame;
    LONG m_width = 0, m_height = 0, m_stride = 0;
    int m_pixelBytes = 3;
    bool m_bottomUp = true;
    uint32_t m_delayMs = 40;
    uint32_t m_size = 0;
};
