#pragma once
// The transform chain of one video stream: the base stages, then subtitle mixer, scaler,
// snapshot, pulse regulator, watermark, colour converter and encoder.
#include "CTransformChain.h"
#include "EColorFormat.h"
#include "EImageFlip.h"
#include "EImageRotation.h"
#include "TVideoScaling.h"
#include "win32/WinTypes.h"

class CColorConverterFilter;
class CHandle;
class CPulseRegulatorFilter;
class CSnapshotFilter;
class CSubtitleFilter;
class CVideoEncoderFilter;
class CWatermarkFilter;

// Snapshot modes and image kinds, passed through to the snapshot filter as given.
using EFrameCapture = LONG;
using EImageType = LONG;

class CVideoTransformChain : public CTransformChain {
public:
    CVideoTransformChain(CDirectShowGraph* graph, CFilterPin* inputPin);
    ~CVideoTransformChain() override;

    bool ConnectDecoder() override;
    CDecoderInfo* GetDecoderInfo() override;
    void ReleaseSelf() override;
    CFilterPin* GetNextPin(CFilterPin* pin) override;
    CFilterPin* GetPreviousPin(CFilterPin* pin) override;

    virtual bool ConnectSubtitleMixer();
    virtual bool ConnectScaler(unsigned short width, unsigned short height, unsigned short cropLeft,
                               unsigned short cropTop, unsigned short cropRight, unsigned short cropBottom,
                               EImageFlip flip, EImageRotation rotation, double inAspect, double outAspect,
                               EColorFormat color, bool greyScale = false, bool freeScale = false);
    virtual bool ConnectScaler(unsigned short width, unsigned short height, EImageFlip flip, EImageRotation rotation,
                               double inAspect, double outAspect, TVideoScaling scaling, EColorFormat color,
                               bool greyScale, bool freeScale);
    virtual bool ConnectSnapshot(EFrameCapture capture, EImageType type, double time, bool resize,
                                 unsigned short width, unsigned short height, const char* path);
    virtual bool ConnectPulseRegulator(double frameRate, bool retime);
    virtual bool ConnectWatermark();
    virtual bool ConnectColorConverter(EColorFormat color, bool flag);
    virtual bool ConnectEncoder(const char* codecName, const char* codecDevice, unsigned short width,
                                unsigned short height, double frameRate, unsigned char quality, CHandle& settings);
    virtual bool SetupEncoder(unsigned short width, unsigned short height, double frameRate);
    virtual void ReleaseSubtitleMixer();
    virtual void ReleaseScaler();
    virtual void ReleaseSnapshot();
    virtual void ReleasePulseRegulator();
    virtual void ReleaseWatermark();
    virtual void ReleaseColorConverter();
    virtual void ReleaseEncoder();

    void SetSubtitlePin(CFilterPin* pin) { m_subtitlePin = pin; }
    // True when the chain ends at the decoder's output.
    bool IsDecoderPin();
    bool GetVideoSetting(unsigned short& width, unsigned short& height, double& frameRate, double& aspect);
    bool GetVideoSize(unsigned short& width, unsigned short& height, double& aspect);
    bool GetFrameRate(double& frameRate);

    // The encoder's size class for a frame height: 2 above 500 lines, else 1.
    static int SizeClass(unsigned short height) { return height > 500 ? 2 : 1; }

    CVideoEncoderFilter* GetEncoder() const { return m_encoder; }
    CColorConverterFilter* GetColorConverter() const { return m_colorConverter; }

protected:
    bool ConnectScalerInput();

    CFilterPin* m_subtitlePin = nullptr;
    CSubtitleFilter* m_subtitle = nullptr;
    CColorConverterFilter* m_scaler = nullptr;
    CSnapshotFilter* m_snapshot = nullptr;
    CWatermarkFilter* m_watermark = nullptr;
    CPulseRegulatorFilter* m_pulseRegulator = nullptr;
    CColorConverterFilter* m_colorConverter = nullptr;
    CVideoEncoderFilter* m_encoder = nullptr;
};
