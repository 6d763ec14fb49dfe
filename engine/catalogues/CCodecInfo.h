#pragma once
// A codec of the catalogue: the output file types it may serve, what the codec tester
// found, whether it is a system compressor to load, and how its encoder is controlled.
#include "CDxDeviceInfo.h"
#include "CMuxInfo.h"
#include "CPersistList.h"

class CCodecInfo : public CDxDeviceInfo {
    MV_DECLARE_PERSIST_CLASS(CCodecInfo)
public:
    CCodecInfo();
    CCodecInfo(const CCodecInfo&) = default;
    CCodecInfo& operator=(const CCodecInfo&) = default;
    ~CCodecInfo() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Format, ULONG, ULONG)
    MV_DECLARE_PROPERTY(Skipped, bool, bool)
    MV_DECLARE_PROPERTY(Load, bool, bool)
    MV_DECLARE_PROPERTY(Tested, bool, bool)
    MV_DECLARE_PROPERTY(EncoderControl, LONG, LONG)
    ULONG GetFormat() const { return m_format; }
    bool GetSkipped() const { return m_skipped; }
    bool GetLoad() const { return m_load; }
    bool GetTested() const { return m_tested; }
    LONG GetEncoderControl() const { return m_encoderControl; }
    bool HasQualityEncoderControl() const { return (m_encoderControl & 0x71) != 0; }
    bool HasBitrateEncoderControl() const { return (m_encoderControl & 0x7E) != 0; }

    int GetMuxInfoCount() const { return m_muxes.GetItemCount(); }
    CMuxInfo* GetMuxInfo(int index) const;
    void AddMuxInfo(CMuxInfo* mux) { m_muxes.Add(mux); }
    void RemoveMuxInfo(CMuxInfo* mux);
    void ResetMuxInfo() { m_muxes.Clear(); }
    CMuxInfo* Find(ESplitterType type) const;
    void SetSupported(ESplitterType type, bool supported);
    bool IsSupported(ESplitterType type) const;
    bool HasSupported() const;

    static constexpr LONG kType = FourCharCode("codc");
    static constexpr LONG kFormatChangedNotice = FourCharCode("codg");
    static constexpr LONG kSkippedChangedNotice = FourCharCode("codc");
    static constexpr LONG kLoadChangedNotice = FourCharCode("code");
    static constexpr LONG kTestedChangedNotice = FourCharCode("codd");
    static constexpr LONG kEncoderControlChangedNotice = FourCharCode("codf");

private:
    ULONG m_format = 0;
    bool m_skipped = false;
    bool m_load = true;
    bool m_tested = false;
    LONG m_encoderControl = 0;
    CPersistList m_muxes{true};
};
