#pragma once
// What testing one compressor found, gathered where the test runs and written into the
// codec catalogue on the user-interface thread.
#include "CFormatType.h"

#include <utility>
#include <vector>

class CCodecInfo;

struct SCodecTestResult {
    struct SAudioSetting {
        unsigned long sampleRate;
        unsigned short channels, bitsPerSample;
        unsigned long bitrate;
        unsigned short blockAlign;
    };
    CCodecInfo* codec = nullptr;
    bool tested = false;
    std::vector<SAudioSetting> audioSettings;
    unsigned short blockSize = 0;
    std::vector<std::pair<unsigned short, unsigned short>> sizes;
    bool hasAbout = false, hasSettings = false;
    std::vector<std::pair<ESplitterType, bool>> supported;

    // Writes the findings into the codec's entry; the catalogue's owner thread only.
    void Apply() const;
};
