#pragma once
// The picture track of a direct export: uncompressed frames handed to QuickTime at a time
// scale of 90000, turned top side first.
#include "CQuickTimeDirectTrackExport.h"

enum EColorFormat : int;

class CQuickTimeDirectVideoExport : public CQuickTimeDirectTrackExport {
public:
    static constexpr TimeScale kTimeScale = 90000;

    CQuickTimeDirectVideoExport();
    ~CQuickTimeDirectVideoExport() override;

    bool Open() override;
    void Close() override;
    // Frames that are not top-down are turned over; rows the data lacks stay black.
    void CopyData(CQtSampleHandle& sample, const unsigned char* data, uint32_t size, double start,
                  double duration) override;

    void SetColor(EColorFormat format);
    void SetWidth(unsigned short width);
    void SetHeight(unsigned short height) { m_height = height; }
    void SetFrameRate(double rate) { m_frameRate = rate; }
    void SetBitrate(uint32_t bitrate) { m_bitrate = bitrate; }
    void SetQuality(unsigned char quality) { m_quality = quality; }
    void SetTopDown(bool topDown) { m_topDown = topDown; }
    // The RGB family, 100 to 107.
    static bool SupportColor(EColorFormat format);
    long GetLineSize() const { return m_lineSize; }

    static OSErr GetProperty(void* track, int32_t trackId, OSType property, void* value);
    static OSErr GetData(void* track, MovieExportGetDataParams* params);

private:
    OSErr GetPropertySelf(OSType property, void* value);
    OSErr GetDataSelf(MovieExportGetDataParams& params);
    void RefreshDescription();

    EColorFormat m_color;
    unsigned short m_width = 0;
    unsigned short m_height = 0;
    double m_frameRate = 0;
    long m_lineSize = 0;
    TimeScale m_timeScale = 0;
    bool m_topDown = true;
    uint32_t m_bitrate = 256000;
    unsigned char m_quality = 100;
    ImageDescriptionHandle m_description = nullptr;
};
