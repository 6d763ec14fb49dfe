#pragma once
// The settings of one encoded track: encoder, rate control, quality and complexity.
#include "CPersistObject.h"
#include "EMediaOutput.h"
#include "MvMediaProperty.h"
#include "afx/CString.h"

class CTrackOutput : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CTrackOutput)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Remux, bool, bool)
    MV_DECLARE_PROPERTY(DisplayName, const char*, CString)
    MV_DECLARE_PROPERTY(EncoderControl, EEncoderControl, EEncoderControl)
    MV_DECLARE_PROPERTY(Bitrate, ULONG, ULONG)
    // Above 100 becomes 100.
    MV_DECLARE_PROPERTY(Quality, unsigned char, unsigned char)
    MV_DECLARE_PROPERTY(Complexity, EEncodingComplexity, EEncodingComplexity)
    MV_DECLARE_PROPERTY(RegulateTimecode, bool, bool)

    bool GetRemux() const { return m_remux; }
    const CString& GetDisplayName() const { return m_displayName; }
    EEncoderControl GetEncoderControl() const { return m_encoderControl; }
    ULONG GetBitrate() const { return m_bitrate; }
    unsigned char GetQuality() const { return m_quality; }
    EEncodingComplexity GetComplexity() const { return m_complexity; }
    bool GetRegulateTimecode() const { return m_regulateTimecode; }

    bool HasQualityEncoderControl() const { return (m_encoderControl & 0x71) != 0; }
    bool HasBitrateEncoderControl() const { return (m_encoderControl & 0x7E) != 0; }

    static constexpr LONG kRemuxChangedNotice = FourCharCode("tkop");
    static constexpr LONG kDisplayNameChangedNotice = FourCharCode("tkoq");
    static constexpr LONG kEncoderControlChangedNotice = FourCharCode("tkou");
    static constexpr LONG kBitrateChangedNotice = FourCharCode("tkos");
    static constexpr LONG kQualityChangedNotice = FourCharCode("tkot");
    static constexpr LONG kComplexityChangedNotice = FourCharCode("tkov");
    static constexpr LONG kRegulateTimecodeChangedNotice = FourCharCode("tkow");

protected:
    // For the loaders of derived records that migrate stored names.
    void StoreDisplayName(const char* name) { m_displayName = name; }

    bool m_remux = false;

private:
    CString m_displayName;
    EEncoderControl m_encoderControl = 1;
    ULONG m_bitrate = 0;
    unsigned char m_quality = 95;
    EEncodingComplexity m_complexity = 1;
    bool m_regulateTimecode = true;
};
