#pragma once
// The output set that leads each wanted stream through a transform chain to a decoded
// stream; video, audio and subtitle pins may be left out or one of each picked.
#include "CNilOutputFilters2.h"

#include <vector>

class CAudioTransformChain;
class CVideoTransformChain;

class CDecodingOutputFilters : public CNilOutputFilters2 {
public:
    explicit CDecodingOutputFilters(CDirectShowGraph* graph = nullptr);
    ~CDecodingOutputFilters() override;

    void Disconnect() override;
    void Release() override;
    bool ConnectVideoPin(CFilterPin* pin, int index) override;
    bool ConnectAudioPin(CFilterPin* pin, int index) override;
    bool ConnectSubtitlePin(CFilterPin* pin, int index) override;
    bool ConnectStreamPin(CFilterPin* pin, int index) override;
    virtual bool ConnectVideoChain(CVideoTransformChain* chain, int index);
    virtual bool ConnectVideoDecoder(CVideoTransformChain* chain);
    virtual bool ConnectAudioChain(CAudioTransformChain* chain);
    virtual bool ConnectAudioDecoder(CAudioTransformChain* chain);

    void SetWantsVideo(bool on) { m_wantsVideo = on; }
    void SetWantsAudio(bool on) { m_wantsAudio = on; }
    void SetWantsSubtitle(bool on) { m_wantsSubtitle = on; }
    void SetPickVideo(bool on, int index);
    void SetPickAudio(bool on, int index);
    void SetPickSubtitle(bool on, int index);
    bool GetWantsVideo() const { return m_wantsVideo; }
    bool GetWantsAudio() const { return m_wantsAudio; }

    int GetVideoChainCount() const { return static_cast<int>(m_videoChains.size()); }
    CVideoTransformChain* GetVideoChain(int index) const;
    int GetAudioChainCount() const { return static_cast<int>(m_audioChains.size()); }
    CAudioTransformChain* GetAudioChain(int index) const;
    int GetSubtitleTrackCount() const { return static_cast<int>(m_subtitlePins.size()); }
    CFilterPin* GetSubtitlePin() const;

protected:
    void DeleteChains();

    bool m_wantsVideo = true;
    bool m_wantsAudio = true;
    bool m_wantsSubtitle = true;
    bool m_pickVideo = false;
    bool m_pickAudio = false;
    bool m_pickSubtitle = false;
    int m_pickedVideo = 0;
    int m_pickedAudio = 0;
    int m_pickedSubtitle = 0;
    std::vector<CVideoTransformChain*> m_videoChains;
    std::vector<CAudioTransformChain*> m_audioChains;
    std::vector<CFilterPin*> m_subtitlePins;
};
