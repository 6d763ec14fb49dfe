#pragma once
// A camera ("Video Capture", "Video Capture 2") or a DV camcorder ("DV Capture",
// "DV Capture 2"): after creation it asks the device for the wanted picture size and rate.
#include "CCaptureDeviceFilter.h"

class CVideoCaptureFilter : public CCaptureDeviceFilter {
public:
    explicit CVideoCaptureFilter(CDirectShowGraph* graph = nullptr, const char* name = "Video Capture");

    void SetWidth(unsigned short width) { m_width = width; }
    void SetHeight(unsigned short height) { m_height = height; }
    // Frames a second; 0 keeps the device's own rate.
    void SetFrameRate(double rate) { m_frameRate = rate; }
    unsigned short GetWidth() const { return m_width; }
    unsigned short GetHeight() const { return m_height; }
    double GetFrameRate() const { return m_frameRate; }

protected:
    CDevicesInfo* Catalogue() const override;
    // A device that offers the size but refuses to be set to it fails: recording at a size
    // other than the one asked for would go unnoticed.
    bool Configure() override;

private:
    unsigned short m_width = 320;
    unsigned short m_height = 240;
    double m_frameRate = 0;
};
