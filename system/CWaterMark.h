#pragma once
// Blends a picture into video frames at a relative position, through a colour-key mask.
#include "CBitmapLoader.h"
#include "CVideoConverter.h"
#include "CWaterMarkMask.h"

class CWaterMark {
public:
    CWaterMark();
    // A copy takes the settings, not the picture or the mark image.
    CWaterMark(const CWaterMark& other);
    CWaterMark& operator=(const CWaterMark& other);
    virtual ~CWaterMark();

    virtual bool CreateWaterMark();
    virtual bool ValidateWaterMark();
    // Blends the mark into a frame of the output format; length is the frame's size in bytes.
    virtual void Overlay(unsigned char* frame, long length);

    bool LoadWaterMark(const char* path);
    bool LoadWaterMark(const char* module, unsigned short resourceId);
    void SetOutputColor(EColorFormat color);
    void SetOutputWidth(unsigned short width) { mOutputWidth = width; }
    void SetOutputHeight(unsigned short height) { mOutputHeight = height; }
    void SetOutputImageWidth(unsigned short width) { mOutputImageWidth = width; }
    void SetOutputImageHeight(unsigned short height) { mOutputImageHeight = height; }
    void SetOutputTopDown(bool topDown) { mOutputTopDown = topDown; }
    void SetXPosition(double x);
    void SetYPosition(double y);
    double GetXPosition() const { return mX; }
    double GetYPosition() const { return mY; }
    void ResetWaterMark();
    unsigned short CalculateX() const;
    unsigned short CalculateY() const;
    bool HasWaterMark() const { return mMark != nullptr; }
    unsigned short GetMarkWidth() const { return mMarkWidth; }
    unsigned short GetMarkHeight() const { return mMarkHeight; }

private:
    CBitmapLoader mLoader;
    bool mLoaded = false;
    EColorFormat mOutputColor = kColorNone;
    CVideoConverter mMarkConverter;
    CWaterMarkMask mMask;
    CVideoConverter mOverlayConverter;
    BYTE* mMark = nullptr;
    unsigned short mMarkWidth = 0, mMarkHeight = 0;
    unsigned short mOutputWidth = 0, mOutputHeight = 0;
    unsigned short mOutputImageWidth = 0, mOutputImageHeight = 0;
    bool mOutputTopDown = true;
    double mX = 0.2, mY = 0.8;
};
