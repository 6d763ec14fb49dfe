#pragma once
// What the video and dynamic output type controllers share: a media output with its
// video-only and loop boxes, and the dependent pages each switched by its own rule.
#include "COutputType2Controller.h"

class CButton;
class CMediaOutput2;
class CPanel;

class CMediaOutputTypeController : public COutputType2Controller {
public:
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetDefault() override;
    void Refresh() override;
    bool WantsAudio() override;
    bool AliasSupported(ESplitterType type, const char* filter) override;
    void ReflectSplitterType() override;
    virtual void SetDefaultWantsAudio();

    // The configure button is hidden: the export settings it opens need QuickTime.
    void SetMoreControls(CButton* configure, CButton* videoOnly, CButton* loop);
    bool HasTvOption();
    void ReflectWantsAudio();
    void EnterWantsAudio();
    void ReflectLoop();
    void EnterLoop();
    void RunConfigurationDialog() {}

    CMediaOutput2* GetMediaOutput() const;

protected:
    explicit CMediaOutputTypeController(int panelCount);
    // Whether a dependent page is enabled for the row.
    virtual bool PanelEnabled(int slot, CFormatType* row) = 0;
    // The slots that follow the wants-audio flag.
    virtual bool IsAudioSlot(int slot) const = 0;
    // The audio page whose presence makes a wants-audio change re-switch the audio pages.
    virtual int FirstAudioSlot() const = 0;
    virtual bool ShowVideoOnly(CFormatType* row);
    virtual bool ShowLoop(CFormatType* row);
    void SetPanels(std::initializer_list<CPanel*> panels);
    void SwitchPanels(CFormatType* row, bool audioOnly);

    int m_panelCount;
    CPanel* m_panels[14] = {};
    CButton* m_configure = nullptr;
    CButton* m_videoOnly = nullptr;
    CButton* m_loop = nullptr;
};
