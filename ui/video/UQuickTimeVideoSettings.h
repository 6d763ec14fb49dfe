#pragma once
// The QuickTime output keeps one settings block per compressor across outputs: a new output
// starts from the block last confirmed for its compressor.
#include "EMediaOutput.h"

class CVideoOutput2;

class UQuickTimeVideoSettings {
public:
    // Fills empty settings from the saved block; with prompt, shows the compressor's settings
    // dialog and saves what the user confirmed.
    static void Run(ESplitterType type, CVideoOutput2& video, bool prompt);

    static constexpr const char* kSection = "QuickTime Video Settings";
};
