#pragma once
// Keeps filter creation failures from prompting while it lives (probes and fallbacks).
#include "CDirectShowFilter.h"

class StSilentCreation {
public:
    StSilentCreation() : m_prompt(CDirectShowFilter::sPromptError) { CDirectShowFilter::sPromptError = false; }
    StSilentCreation(const StSilentCreation&) = delete;
    StSilentCreation& operator=(const StSilentCreation&) = delete;
    ~StSilentCreation() { CDirectShowFilter::sPromptError = m_prompt; }

private:
    bool m_prompt;
};
