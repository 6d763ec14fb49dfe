#pragma once
// The sound track of a direct export: PCM samples handed to QuickTime at the sample rate's
// time scale, with silence put into gaps between them.
#include "CQuickTimeDirectTrackExport.h"

class CQuickTimeDirectAudioExport : public CQuickTimeDirectTrackExport {
public:
    // The longest gap filled with silence; a later start is taken as a bad timestamp and
    // the sample follows on without a gap.
    static constexpr double kMaxGapSeconds = 5.0;

    CQuickTimeDirectAudioExport();
    ~CQuickTimeDirectAudioExport() override;

    bool Open() override;
    void Close() override;

    void SetChannelCount(unsigned short channels) { m_channels = channels; }
    void SetSampleRate(uint32_t rate) { m_sampleRate = rate; }
    void SetBitsPerSample(unsigned short bits) { m_bitsPerSample = bits; }
    void SetBitrate(uint32_t bitrate) { m_bitrate = bitrate; }
    uint32_t GetEncodeSize(uint32_t samples) const;

    // The procedures QuickTime calls on the export thread.
    static OSErr GetProperty(void* track, int32_t trackId, OSType property, void* value);
    static OSErr GetData(void* track, MovieExportGetDataParams* params);

private:
    OSErr GetDataSelf(MovieExportGetDataParams& params);
    void RefreshDescription();

    unsigned short m_channels = 2;
    uint32_t m_sampleRate = 22050;
    unsigned short m_bitsPerSample = 16;
    uint32_t m_bitrate = 128000;
    SoundDescriptionHandle m_description = nullptr;
};
