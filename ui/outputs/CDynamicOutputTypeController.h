#pragma once
// Chooses the output type of an export that may carry video, audio or both, and switches
// its dependent pages by what the type allows and what the output wants.
#include "CMediaOutputTypeController.h"

class CDynamicOutputTypeController : public CMediaOutputTypeController {
public:
    CDynamicOutputTypeController() : CMediaOutputTypeController(11) {}

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    // WAV for an output that wants no video; otherwise as the video controller.
    void SetDefault() override;
    bool WantsVideo() override;
    bool AliasSupported(ESplitterType type, const char* filter) override;
    void ReflectSplitterType() override;
    virtual void OnEnable(bool enable);

    // TV standard, Windows Media, RealMedia, video, audio, video complexity, key frames,
    // audio complexity, one kept page, the page of every type but image upload, and the
    // image upload page; any may be null.
    void SetPanels(CPanel* p1, CPanel* p2, CPanel* p3, CPanel* p4, CPanel* p5, CPanel* p6, CPanel* p7, CPanel* p8,
                   CPanel* p9, CPanel* p10, CPanel* p11);

protected:
    bool PanelEnabled(int slot, CFormatType* row) override;
    bool IsAudioSlot(int slot) const override { return slot == 4 || slot == 7; }
    int FirstAudioSlot() const override { return 4; }
    bool ShowVideoOnly(CFormatType* row) override;
    bool ShowLoop(CFormatType* row) override;
};
