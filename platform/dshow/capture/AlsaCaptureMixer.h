#pragma once
// The capture lines of an ALSA card's mixer ("Mic", "Line", "Capture", ...): whether each
// is recorded and at which level (0..1; -1 for a line without a volume).
#include <string>
#include <vector>

struct AlsaCaptureLine {
    std::string name;
    bool enabled = true;
    double level = -1;
};

// `device` is the capture device's ALSA name ("hw:CARD=x,DEV=0"); its card's mixer is used.
std::vector<AlsaCaptureLine> AlsaCaptureLines(const std::string& device);
bool AlsaApplyCaptureLine(const std::string& device, const std::string& line, bool enabled, double level);
