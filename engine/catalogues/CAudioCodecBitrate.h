#pragma once
// The last level of an audio codec's settings tree: a bit rate and its block align.
#include "CPersistObject.h"

class CAudioCodecBitrate : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CAudioCodecBitrate)
public:
    CAudioCodecBitrate() = default;
    CAudioCodecBitrate(const CAudioCodecBitrate&) = default;
    CAudioCodecBitrate& operator=(const CAudioCodecBitrate&) = default;
    ~CAudioCodecBitrate() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    ULONG GetValue() const { return m_bitrate; }
    ULONG GetBitrate() const { return m_bitrate; }
    bool SetValue(ULONG bitrate) { return ChangeProperty(m_bitrate, bitrate, kBitrateChangedNotice); }
    bool SetBitrate(ULONG bitrate) { return SetValue(bitrate); }
    unsigned short GetBlockAlign() const { return m_blockAlign; }
    bool SetBlockAlign(unsigned short align) { return ChangeProperty(m_blockAlign, align, kBlockAlignChangedNotice); }

    static constexpr LONG kType = FourCharCode("abra");
    static constexpr LONG kBitrateChangedNotice = FourCharCode("abra");
    static constexpr LONG kBlockAlignChangedNotice = FourCharCode("abrb");

private:
    ULONG m_bitrate = 0;
    unsigned short m_blockAlign = 0;
};
