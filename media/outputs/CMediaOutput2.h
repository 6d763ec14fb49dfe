#pragma once
// What a job writes: the output type with its video, audio, Windows Media, RealMedia
// and snapshot settings, and which of video and audio are wanted.
#include "CAudioOutput2.h"
#include "COutputType2.h"
#include "CRealOutput.h"
#include "CSnapshotOutput.h"
#include "CVideoOutput2.h"
#include "CWmOutput2.h"

class CMediaOutput2 : public COutputType2 {
    MV_DECLARE_PERSIST_CLASS(CMediaOutput2)
public:
    // Key "tv": the television systems; other keys as the output type answers.
    bool GetEnumText(const char* field, CEnumMap& map) override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    void SideEffectSplitterTypeChanged() override;
    // A RealMedia output whose profile is a VBR one.
    bool UseVbrExtension() override;

    // At least one of video and audio stays wanted.
    MV_DECLARE_PROPERTY(WantsVideo, bool, bool)
    MV_DECLARE_PROPERTY(WantsAudio, bool, bool)
    MV_DECLARE_PROPERTY(TvType, ETvType, ETvType)
    MV_DECLARE_PROPERTY(Loop, bool, bool)
    // The one owned output whatever the index; a record with several tracks may differ.
    virtual CVideoOutput2* GetVideoOutput(unsigned char index);
    virtual CAudioOutput2* GetAudioOutput(unsigned char index);

    bool GetWantsVideo() const { return m_wantsVideo; }
    bool GetWantsAudio() const { return m_wantsAudio; }
    ETvType GetTvType() const { return m_tvType; }
    bool GetLoop() const { return m_loop; }
    CVideoOutput2& GetVideoOutput() { return m_video; }
    CAudioOutput2& GetAudioOutput() { return m_audio; }
    CWmOutput2& GetWmOutput() { return m_wm; }
    CRealOutput& GetRealOutput() { return m_real; }
    CSnapshotOutput& GetSnapshotOutput() { return m_snapshot; }

    static constexpr LONG kWantsVideoChangedNotice = FourCharCode("mdo3");
    static constexpr LONG kWantsAudioChangedNotice = FourCharCode("mdo4");
    static constexpr LONG kTvTypeChangedNotice = FourCharCode("mdo5");
    static constexpr LONG kLoopChangedNotice = FourCharCode("mdo7");

private:
    bool m_wantsVideo = true;
    bool m_wantsAudio = true;
    ETvType m_tvType = 0;
    bool m_loop = false;
    CVideoOutput2 m_video;
    CAudioOutput2 m_audio;
    CWmOutput2 m_wm;
    CRealOutput m_real;
    CSnapshotOutput m_snapshot;
};
