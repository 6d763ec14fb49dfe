#pragma once
// Text handed to the talker.
#include "CSpeechInput.h"
#include "afx/CString.h"

class CTextSpeechInput : public CSpeechInput {
public:
    explicit CTextSpeechInput(CSpeechTalker* talker) : CSpeechInput(talker) {}
    CTextSpeechInput(const CTextSpeechInput&) = default;
    CTextSpeechInput& operator=(const CTextSpeechInput&) = default;
    ~CTextSpeechInput() override = default;

    void SetText(const char* text) { m_text = text; }
    // Hands the text over and keeps none of it.
    bool Create() override;

private:
    CString m_text;
};
