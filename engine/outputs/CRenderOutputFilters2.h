#pragma once
// The output set that shows video on the screen and plays audio on the sound card, with a
// snapshot filter in the video path.
#include "CDecodingOutputFilters.h"

class CAudioRendererFilter;
class CColorSpaceConverterFilter;
class CSnapshotFilter;
class CTimeNilFilter;
class CVideoRendererFilter;

class CRenderOutputFilters2 : public CDecodingOutputFilters {
public:
    explicit CRenderOutputFilters2(CDirectShowGraph* graph = nullptr);
    ~CRenderOutputFilters2() override;

    void Release() override;
    bool Snap(unsigned short width, unsigned short height) override;
    bool Snap() override;
    bool ConnectVideoChain(CVideoTransformChain* chain, int index) override;
    bool ConnectAudioChain(CAudioTransformChain* chain) override;

    virtual bool TestColor(CVideoTransformChain* chain);
    virtual bool ConnectSnapShot(CFilterPin* pin);
    virtual bool CreateSnapShot();
    virtual bool ConnectTimeChange(CFilterPin* pin);
    virtual bool CreateTimeChange();
    virtual bool CreateLastChance();
    virtual bool ConnectVideoRenderer(CVideoTransformChain* chain, CFilterPin* pin);
    virtual bool CreateVideoRenderer();
    virtual bool ConnectAudioRenderer(CAudioTransformChain* chain);
    virtual bool CreateAudioRenderer();
    virtual void ReleaseTimeChange();
    virtual void ReleaseSnapShot();
    virtual void ReleaseLastChance();
    virtual void ReleaseVideoRenderer();
    virtual void ReleaseAudioRenderer();

    void SetWantsSnapshot(bool on) { m_wantsSnapshot = on; }
    void SetCapturePreview(bool on) { m_capturePreview = on; }
    void SetVideoFreeScale(bool on) { m_freeScale = on; }
    CVideoRendererFilter* GetVideoRenderer() const { return m_videoRenderer; }
    CAudioRendererFilter* GetAudioRenderer() const { return m_audioRenderer; }

protected:
    // The render steps after the chain's decoder (and scaler or colour test).
    bool ConnectVideoPath(CVideoTransformChain* chain);
    // The extra stage a derived set puts after the snapshot; the pin moves to its output.
    virtual bool ConnectAfterSnapShot(CFilterPin*& pin);
    void UnlinkVideoPath();

    bool m_wantsSnapshot = true;
    bool m_capturePreview = false;
    bool m_freeScale = false;
    CSnapshotFilter* m_snapshot = nullptr;
    CTimeNilFilter* m_timeChange = nullptr;
    CColorSpaceConverterFilter* m_lastChance = nullptr;
    CVideoRendererFilter* m_videoRenderer = nullptr;
    CAudioRendererFilter* m_audioRenderer = nullptr;
};
