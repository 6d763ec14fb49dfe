#pragma once
// Base of the QuickTime export writers: the export component writes both streams with
// the stored export settings. Nothing is created while QuickTime has not been started.
#include "CFileWriterFilter.h"
#include "CHandle.h"

class CQuickTimeExportWriter : public CFileWriterFilter {
public:
    CQuickTimeExportWriter(CDirectShowGraph* graph, const char* name, ULONG fileType);

    bool Create() override;
    // The rates and quality, through the filter's rate interface when it has one.
    bool SetupBeforeConnect() override;

    ULONG GetQuickTimeFileType() const { return m_fileType; }
    void SetVideoBitrate(unsigned long bitrate) { m_videoBitrate = bitrate; }
    void SetQuality(unsigned char quality) { m_quality = quality; }
    void SetAudioBitrate(unsigned long bitrate) { m_audioBitrate = bitrate; }
    void SetSettings(const unsigned char* bytes, uint32_t size);

    // Whether the engine started QuickTime.
    static bool IsQuickTimeStarted();

protected:
    // Chooses the alternative class id for the applications that use it.
    void UseIdFor(const GUID& id, const GUID& alternative, std::initializer_list<unsigned long> applications);

private:
    ULONG m_fileType;
    unsigned long m_videoBitrate = 256000;
    unsigned char m_quality = 100;
    unsigned long m_audioBitrate = 128000;
    CHandle m_settings;
};
