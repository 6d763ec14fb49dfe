#pragma once
// Tests the video compressors of the codec catalogue with the "Video Test" source and a
// "Color Converter" before the encoder.
#include "CCompressorTestAdministrator2.h"

class CColorConverterFilter;

class CVideoCompressorTestAdministrator2 : public CCompressorTestAdministrator2 {
public:
    explicit CVideoCompressorTestAdministrator2(bool fullCheck);
    ~CVideoCompressorTestAdministrator2() override;

    CCodecsInfo* GetCatalogue() const override;
    bool IsAudio() const override { return false; }
    bool HasCapabilities(CCodecInfo* codec) const override;
    void ReleaseGraph() override;

protected:
    CDirectShowFilter* CreateTestSource() override;
    CFilterPin* MakeSourcePin(CDirectShowFilter* source) override;
    bool FeedEncoder(CFilterPin* sourcePin, CFilterPin* encoderInput) override;
    void ReadCapabilities(CDirectShowFilter* encoder, CFilterPin* output, SCodecTestResult& result) override;
    CDirectShowFilter* MakeEncoder(CCodecInfo* codec) override;
    CFilterPin* GetEncoderInput(CDirectShowFilter* encoder) override;
    CFilterPin* GetEncoderOutput(CDirectShowFilter* encoder) override;

private:
    CColorConverterFilter* m_converter = nullptr;
};
