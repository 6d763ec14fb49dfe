#pragma once
// Plays a media file on screen and speakers, reporting its position every 100 ms while
// it plays and once whenever it stops, pauses or seeks.
#include "CFileCheckAdministrator2.h"
#include "CTimer.h"
#include "win32/WinTypes.h"

class CDecodingOutputFilters;

class CFilePlaybackAdministrator2 : public CFileCheckAdministrator2 {
public:
    enum { kPlaybackPositionMessage = 899834 };
    static const GUID kDefaultInputId;
    static constexpr int kSplitterCount = 4;

    CFilePlaybackAdministrator2();
    ~CFilePlaybackAdministrator2() override;

    bool CreateInputFilters() override;
    bool CreateBridgeFilters() override;
    bool CreateRenderOutputFilters() override;
    bool Play() override;
    bool Pause() override;
    bool Stop() override;
    void Reset() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;

    void SetWantsVideo(bool on) { m_wantsVideo = on; }
    void SetWantsAudio(bool on) { m_wantsAudio = on; }
    void SetWantsSubtitle(bool on) { m_wantsSubtitle = on; }
    void SetSelectVideo(int index) { m_pickedVideo = index; }
    void SetSelectAudio(int index) { m_pickedAudio = index; }
    void SetSelectSubtitle(int index) { m_pickedSubtitle = index; }
    void SetInputId(const GUID& id) { m_inputId = id; }
    const GUID& GetInputId() const { return m_inputId; }
    // Indexes outside 0..3 are ignored and read as the null id.
    void SetSplitterId(const GUID& id, int index);
    GUID GetSplitterId(int index) const;
    void SetChainSplitter(bool chain) { m_chainSplitter = chain; }
    bool GetChainSplitter() const { return m_chainSplitter; }

    bool SetPosition(double seconds);
    double GetPosition();
    void ChangePosition();
    bool StepBackward();
    bool StepForward();

protected:
    // Sets the wanted and picked streams on a render set made by this class or a subclass.
    void ConfigureRenderSet(CDecodingOutputFilters* set) const;
    void StopTimer();
    // File and DVD playback rewind on stop and show the frame they seek to.
    virtual bool SeeksToStartOnStop() const { return true; }
    virtual bool PausesOnSeek() const { return true; }

    bool m_wantsVideo = true;
    bool m_wantsAudio = true;
    bool m_wantsSubtitle = true;
    int m_pickedVideo = 0;
    int m_pickedAudio = 0;
    int m_pickedSubtitle = 0;
    GUID m_inputId = GUID_NULL;
    GUID m_splitterIds[kSplitterCount] = {};
    bool m_chainSplitter = false;
    CTimer m_timer;

private:
    bool Step(bool forward);
};
