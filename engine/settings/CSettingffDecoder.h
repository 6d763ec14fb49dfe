#pragma once
// Whether the ffmpeg decoder is enabled.
#include "TBooleanSetting.h"

struct CSettingffDecoderTraits {
    static constexpr const char* kTag = "enable";
    static constexpr bool kDefault = false;
    static constexpr LONG kNotice = FourCharCode("ffdd");
};

class CSettingffDecoder : public TBooleanSetting<CSettingffDecoderTraits> {
    MV_DECLARE_PERSIST_CLASS(CSettingffDecoder)
public:
    bool SetEnable(bool value) { return SetValue(value); }
    bool GetEnable() const { return GetValue(); }
};
