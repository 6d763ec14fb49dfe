#pragma once
// Chooses the audio output type and switches the dependent pages of the audio export
// dialog by what the chosen type allows.
#include "COutputType2Controller.h"

class CButton;
class CPanel;

class CAudioOutputTypeController : public COutputType2Controller {
public:
    // WAV when the record has no type yet.
    void SetDefault() override;
    bool WantsVideo() override { return false; }
    void ReflectSplitterType() override;

    // The configure button is hidden: audio types have nothing to configure here.
    void SetMoreControls(CButton* configure);
    // Windows Media profile, RealMedia profile, audio settings, a second audio page, audio
    // complexity; any may be null.
    void SetPanels(CPanel* wm, CPanel* real, CPanel* audio, CPanel* audio2, CPanel* complexity);

private:
    CButton* m_configure = nullptr;
    CPanel* m_panels[5] = {};
};
