#pragma once
// Whether DVD ripping merges seamless cells.
#include "TBooleanSetting.h"

struct CSettingDvdRipTraits {
    static constexpr const char* kTag = "merge";
    static constexpr bool kDefault = true;
    static constexpr LONG kNotice = FourCharCode("dvrq");
};

class CSettingDvdRip : public TBooleanSetting<CSettingDvdRipTraits> {
    MV_DECLARE_PERSIST_CLASS(CSettingDvdRip)
public:
    bool SetMergeSeamlessCells(bool value) { return SetValue(value); }
    bool GetMergeSeamlessCells() const { return GetValue(); }
};
