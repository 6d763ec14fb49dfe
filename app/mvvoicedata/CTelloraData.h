#pragma once
// What the speaking program keeps between runs: the output record of a recording and
// the voice, rate and volume. It always writes audio only, to a file the user names.
#include "CMediaWriter2.h"
#include "CSpeechControl.h"

class CTelloraData : public CMediaWriter2 {
    MV_DECLARE_PERSIST_CLASS(CTelloraData)

public:
    CTelloraData();
    CTelloraData(const CTelloraData& other);
    CTelloraData& operator=(const CTelloraData& other);
    // Takes an edited output record; the speech settings stay as they are.
    CTelloraData& operator=(const CMediaWriter2& writer);

    // A hook for derived programs; builds nothing here.
    void MakeSpeechSettings();

    CSpeechControl& GetSpeechControl() { return m_speech; }

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

private:
    // Audio only, and no automatic naming: a settings file cannot turn either back on.
    void KeepAudioOnly();

    CSpeechControl m_speech;
};
