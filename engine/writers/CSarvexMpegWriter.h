#pragma once
// The MPEG writer (types 300, 310, 400, 410, 420) with its stream and encoder settings.
#include "CFileWriterFilter.h"

struct IMpegStreamSettings;
struct IMpegEncoderSettings;

class CSarvexMpegWriter : public CFileWriterFilter {
public:
    explicit CSarvexMpegWriter(CDirectShowGraph* graph = nullptr, const char* name = "Sarvex MPEG Writer");

    ~CSarvexMpegWriter() override;

    void Release() override;
    // Pushes the settings through the filter's stream and encoder interfaces; false when
    // the filter has no stream interface.
    bool SetupBeforeConnect() override;
    // The filter's stream format for a file type and TV type; false when that pair has
    // none (an unknown file type, or a disc type with a TV type other than 1 or 2).
    static bool GetStreamFormat(LONG fileType, LONG tvType, LONG& format);

    void SetFileType(LONG type) { m_fileType = type; }
    void SetTvType(LONG type) { m_tvType = type; }
    void SetNoVideo(bool on) { m_noVideo = on; }
    void SetWidth(unsigned short width) { m_width = width; }
    void SetHeight(unsigned short height) { m_height = height; }
    void SetEncoderControl(LONG control) { m_encoderControl = control; }
    void SetQuality(unsigned char quality) { m_quality = quality; }
    void SetVideoBitrate(unsigned long bitrate) { m_videoBitrate = bitrate; }
    void SetSampleRate(unsigned long rate) { m_sampleRate = rate; }
    void SetAudioBitrate(unsigned long bitrate) { m_audioBitrate = bitrate; }

private:
    LONG m_fileType = 300;
    LONG m_tvType = 1;
    bool m_noVideo = false;
    unsigned short m_width = 320;
    unsigned short m_height = 240;
    LONG m_encoderControl = 2;
    unsigned char m_quality = 95;
    unsigned long m_videoBitrate = 320000;
    unsigned long m_sampleRate = 44100;
    unsigned long m_audioBitrate = 128000;
    IMpegStreamSettings* m_stream = nullptr;
    IMpegEncoderSettings* m_encoder = nullptr;
};
