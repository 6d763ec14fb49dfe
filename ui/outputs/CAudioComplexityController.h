#pragma once
// Edits the audio mode (music or voice) and the encoding complexity of an audio output.
#include "CObjectController2.h"

class CAudioOutput2;
class CComboBox;

class CAudioComplexityController : public CObjectController2 {
public:
    CAudioComplexityController();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CComboBox* mode, CComboBox* complexity);
    void ReflectMode();
    void ReflectComplexity();
    void EnterMode();
    void EnterComplexity();

private:
    CAudioOutput2* GetAudioOutput() const;

    CComboBox* m_mode = nullptr;
    CComboBox* m_complexity = nullptr;
};
