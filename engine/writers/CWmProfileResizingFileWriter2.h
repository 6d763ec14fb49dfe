#pragma once
// The Windows Media writer of type 251: a stored profile with the output's own size and rate.
#include "CWmProfileFileWriter2.h"

class CWmProfileResizingFileWriter2 : public CWmProfileFileWriter2 {
public:
    explicit CWmProfileResizingFileWriter2(CDirectShowGraph* graph = nullptr, const char* name = "WMV Writer");

    void SetWidth(unsigned short width) { m_width = width; }
    void SetHeight(unsigned short height) { m_height = height; }
    void SetFrameRate(double rate) { m_frameRate = rate; }

protected:
    // The output's own size and frame rate, the audio kept or dropped as the output says.
    CWmProfile2* Adjust(const CWmProfile2& found) const override;

    unsigned short m_width = 0;
    unsigned short m_height = 0;
    double m_frameRate = 0;
};
