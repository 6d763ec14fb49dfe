#pragma once
// Whether the application minimises to the task bar.
#include "TBooleanSetting.h"

struct CSettingMinimizeTaskBarTraits {
    static constexpr const char* kTag = "minimize";
    static constexpr bool kDefault = false;
    static constexpr LONG kNotice = FourCharCode("mitc");
};

class CSettingMinimizeTaskBar : public TBooleanSetting<CSettingMinimizeTaskBarTraits> {
    MV_DECLARE_PERSIST_CLASS(CSettingMinimizeTaskBar)
public:
    bool SetMinimize(bool value) { return SetValue(value); }
    bool GetMinimize() const { return GetValue(); }
};
