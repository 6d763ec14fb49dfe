#pragma once
// The base of every administrator that writes a media file: holds the output record, the
// file to save to and the aspect ratio, and builds its processing output as a file output
// set configured from them.
#include "CAspectRatioInfo2.h"
#include "CDirectShowAdministrator2.h"
#include "CMediaOutput2.h"
#include "CSaveFile2.h"

class CRepeatPrompter;

class CMediaWriterAdministrator2 : public CDirectShowAdministrator2 {
public:
    CMediaWriterAdministrator2() = default;
    ~CMediaWriterAdministrator2() override;

    bool CreateProcessingOutputFilters() override;
    // Whether the output record wants video / audio; subclasses decide for their inputs.
    virtual bool WantsVideo();
    virtual bool WantsAudio();

    void SetMediaOutput(CMediaOutput2& output);
    void SetSaveFile(CSaveFile2& file);
    void SetAspectRatio(CAspectRatioInfo2& ratio);
    void SetFilePrompter(CRepeatPrompter* prompter) { m_prompter = prompter; }
    // The processing output set's bitrate; 0 while there is none.
    ULONG GetBitrate() const;

    CMediaOutput2& GetMediaOutput() { return m_mediaOutput; }
    CSaveFile2& GetSaveFile() { return m_saveFile; }
    CAspectRatioInfo2& GetAspectRatio() { return m_aspectRatio; }
    CRepeatPrompter* GetFilePrompter() const { return m_prompter; }

protected:
    CAspectRatioInfo2 m_aspectRatio;
    CMediaOutput2 m_mediaOutput;
    CSaveFile2 m_saveFile;
    CRepeatPrompter* m_prompter = nullptr;
};
