#pragma once
// The machine-wide engine settings: the LAME library and the Real folders, kept in
// "Preference.xml" of the common data folder. The first instance is the process-wide one.
#include "CSettingLameDll.h"
#include "CSettingRealAlternative.h"

class CGlobalSetting : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CGlobalSetting)
public:
    CGlobalSetting();
    CGlobalSetting(const CGlobalSetting& other);
    CGlobalSetting& operator=(const CGlobalSetting& other);
    ~CGlobalSetting() override;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CSettingLameDll& GetLameDll() { return m_lame; }
    CSettingRealAlternative& GetRealAlternative() { return m_real; }

    bool LoadFile();
    bool SaveFile();

    static CGlobalSetting* sSettings;
    static const char* const kLameTag;
    static const char* const kRealTag;

private:
    CSettingLameDll m_lame;
    CSettingRealAlternative m_real;
};
