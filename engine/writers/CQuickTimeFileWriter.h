#pragma once
// The QuickTime movie writer (type 600): the filter compresses both streams with the
// QuickTime codecs named. Nothing is created while QuickTime has not been started.
#include "CFileWriterFilter.h"
#include "CHandle.h"

class CQuickTimeFileWriter : public CFileWriterFilter {
public:
    explicit CQuickTimeFileWriter(CDirectShowGraph* graph = nullptr, const char* name = "QuickTime Writer");

    // Fails when the filter lacks its video or its sound compression interface.
    bool Create() override;
    // The formats of the codecs named, found in QuickTime's list of the file type, with
    // the quality, bit rate and the engine's capturing switch.
    bool SetupBeforeConnect() override;

    ULONG GetQuickTimeFileType() const { return m_fileType; }
    void SetVideoCodecName(const char* name) { m_videoCodecName = name ? name : ""; }
    void SetAudioCodecName(const char* name) { m_audioCodecName = name ? name : ""; }
    void SetQuality(unsigned char quality) { m_quality = quality; }
    void SetVideoBitrate(unsigned long bitrate) { m_videoBitrate = bitrate; }
    void SetSettings(const CHandle& settings) { m_settings = settings; }
    void SetKeyFrame(unsigned long interval) { m_keyFrame = interval; }

protected:
    ULONG m_fileType;

private:
    CString m_videoCodecName;
    CString m_audioCodecName;
    CHandle m_settings;
    unsigned char m_quality = 95;
    unsigned long m_videoBitrate = 320000;
    unsigned long m_keyFrame = 15;
};
