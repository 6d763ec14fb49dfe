#include "CGlobalSetting.h"

#include "EngineSettingFiles.h"
#include "UPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CGlobalSetting, CPersistObject, FourCharCode("glst"))

CGlobalSetting* CGlobalSetting::sSettings = nullptr;
const char* const CGlobalSetting::kLameTag = "lame";
const char* const CGlobalSetting::kRealTag = "real";

CGlobalSetting::CGlobalSetting()
{
    if (!sSettings) sSettings = this;
}

CGlobalSetting::CGlobalSetting(const CGlobalSetting& other)
    : CPersistObject(other), m_lame(other.m_lame), m_real(other.m_real)
{
    if (!sSettings) sSettings = this;
}

CGlobalSetting& CGlobalSetting::operator=(const CGlobalSetting& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_lame = other.m_lame;
    m_real = other.m_real;
    return *this;
}

CGlobalSetting::~CGlobalSetting()
{
    if (sSettings == this) sSettings = nullptr;
}

void CGlobalSetting::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_lame.Save(kLameTag, storage);
    m_real.Save(kRealTag, storage);
}

void CGlobalSetting::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_lame.Load(kLameTag, storage);
    m_real.Load(kRealTag, storage);
}

bool CGlobalSetting::LoadFile()
{
    return UPersistStorage::SystemLoad(*this, kEngineSettingsRoot, kEngineSettingsFile);
}

bool CGlobalSetting::SaveFile()
{
    return UPersistStorage::SystemSave(*this, kEngineSettingsRoot, kEngineSettingsFile);
}
