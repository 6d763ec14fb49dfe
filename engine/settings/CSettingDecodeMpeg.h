#pragma once
// Which channels the MPEG audio decoder outputs; at least one stays on.
#include "CPersistObject.h"

class CSettingDecodeMpeg : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CSettingDecodeMpeg)
public:
    CSettingDecodeMpeg() = default;
    CSettingDecodeMpeg(const CSettingDecodeMpeg& other) = default;
    CSettingDecodeMpeg& operator=(const CSettingDecodeMpeg& other);
    ~CSettingDecodeMpeg() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Forced on while the other channel is off.
    virtual bool ValidateLeft(bool left);
    virtual bool ValidateRight(bool right);
    bool SetLeft(bool left);
    bool GetLeft() const { return m_left; }
    bool SetRight(bool right);
    bool GetRight() const { return m_right; }

    static constexpr LONG kLeftChangedNotice = FourCharCode("dmpb");
    static constexpr LONG kRightChangedNotice = FourCharCode("dmpc");
    static const char* const kLeftTag;
    static const char* const kRightTag;

private:
    bool m_left = true;
    bool m_right = true;
};
