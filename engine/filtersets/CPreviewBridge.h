#pragma once
// The bridge of playback and preview: no filters of its own; it offers the input's
// processing pins for rendering after the input's render pins, and none for processing.
#include "CBridgeFilters.h"

class CPreviewBridge : public CBridgeFilters {
public:
    explicit CPreviewBridge(CDirectShowGraph* graph = nullptr) : CBridgeFilters(graph) {}

    bool VerifyInput() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;
    int GetAudioPinCount(EOutputType type) override;
    CFilterPin* GetAudioPin(EOutputType type, int index) override;
};
