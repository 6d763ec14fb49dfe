#pragma once
// A sound card's input ("Audio Capture"): records one of its input lines, at a level the
// wrapper sets or at the card's automatic gain.
#include "CCaptureDeviceFilter.h"

class CAudioCaptureFilter : public CCaptureDeviceFilter {
public:
    explicit CAudioCaptureFilter(CDirectShowGraph* graph = nullptr, const char* name = "Audio Capture");

    // Switches recording from the line set before to the line of that name.
    void SetAudioConnector(const char* line);
    // Whether the level is applied (else the card's automatic gain) and the level, 0..100.
    void SetVolume(bool apply, unsigned char level);
    const CString& GetAudioConnector() const { return m_line; }
    bool GetApplyVolume() const { return m_applyVolume; }
    unsigned char GetVolume() const { return m_level; }

protected:
    CDevicesInfo* Catalogue() const override;
    bool Configure() override;

private:
    void EnableLine(const char* line, bool on);
    void ApplyVolume();

    CString m_line;
    bool m_applyVolume = true;
    unsigned char m_level = 50;
};
