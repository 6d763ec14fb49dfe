#pragma once
// Tests the audio compressors of the codec catalogue with the "Audio Test" source.
#include "CCompressorTestAdministrator2.h"

class CAudioCompressorTestAdministrator2 : public CCompressorTestAdministrator2 {
public:
    explicit CAudioCompressorTestAdministrator2(bool fullCheck) : CCompressorTestAdministrator2(fullCheck) {}

    CCodecsInfo* GetCatalogue() const override;
    bool IsAudio() const override { return true; }
    bool HasCapabilities(CCodecInfo* codec) const override;

protected:
    CDirectShowFilter* CreateTestSource() override;
    CFilterPin* MakeSourcePin(CDirectShowFilter* source) override;
    void ReadCapabilities(CDirectShowFilter* encoder, CFilterPin* output, SCodecTestResult& result) override;
    CDirectShowFilter* MakeEncoder(CCodecInfo* codec) override;
    CFilterPin* GetEncoderInput(CDirectShowFilter* encoder) override;
    CFilterPin* GetEncoderOutput(CDirectShowFilter* encoder) override;
    bool MayTestType(CCodecInfo* codec, ESplitterType type) const override;
};
