#pragma once
// An audio encoder stage: the codec of the audio codec catalogue named by its display
// and device name, created by class id or as an installed audio compressor.
#include "CTransformerFilter.h"

class CAudioEncoderFilter : public CTransformerFilter {
public:
    explicit CAudioEncoderFilter(CDirectShowGraph* graph = nullptr, const char* name = "Encoder");

    bool Create() override;

    void SetCodec(const char* codecName, const char* deviceName);
    const char* GetCodecName() const { return m_codecName; }
    const char* GetDeviceName() const { return m_deviceName; }

private:
    // The MP3 encoder learns where its library is before it joins the graph.
    void PrepareFilter() override;

    CString m_codecName;
    CString m_deviceName;
};
