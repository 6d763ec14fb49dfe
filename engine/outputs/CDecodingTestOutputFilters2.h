#pragma once
// The output set that decodes every stream into an untimed renderer: whether the input
// can be decoded at all.
#include "CDecodingOutputFilters.h"

class CDecodingTestOutputFilters2 : public CDecodingOutputFilters {
public:
    explicit CDecodingTestOutputFilters2(CDirectShowGraph* graph = nullptr);

    void Disconnect() override;
    bool ConnectVideoChain(CVideoTransformChain* chain, int index) override;
    bool ConnectAudioChain(CAudioTransformChain* chain) override;
};
