#pragma once
// Chooses the output type of a video export and switches its dependent pages: TV standard,
// Windows Media, RealMedia, video, audio, complexities, key frames and the upload pages.
#include "CMediaOutputTypeController.h"

class CVideoOutputTypeController : public CMediaOutputTypeController {
public:
    CVideoOutputTypeController() : CMediaOutputTypeController(14) {}

    // TV standard, Windows Media, RealMedia, video, second video, audio, second audio, video
    // complexity, key frames, audio complexity, one kept page, the page of every type but
    // image upload, and the two image upload pages; any may be null.
    void SetPanels(CPanel* p1, CPanel* p2, CPanel* p3, CPanel* p4, CPanel* p5, CPanel* p6, CPanel* p7, CPanel* p8,
                   CPanel* p9, CPanel* p10, CPanel* p11, CPanel* p12, CPanel* p13, CPanel* p14);

protected:
    bool PanelEnabled(int slot, CFormatType* row) override;
    bool IsAudioSlot(int slot) const override { return slot == 5 || slot == 6 || slot == 9; }
    int FirstAudioSlot() const override { return 5; }
};
