#pragma once
// Speaks text to the speakers.
#include "CTextSpeechAdministrator.h"

class CTextToAudioAdministrator : public CTextSpeechAdministrator {
public:
    CTextToAudioAdministrator() = default;
    CTextToAudioAdministrator(const CTextToAudioAdministrator&) = default;
    CTextToAudioAdministrator& operator=(const CTextToAudioAdministrator&) = default;
    ~CTextToAudioAdministrator() override = default;

    bool CreateOutput() override;
};
