#include "CSkinLocation.h"

#include "CSkinFolder.h"
#include "SNotifyRecord.h"

CSkinLocation::CSkinLocation(const char* name)
    : m_leftSetting(name, "Left"), m_topSetting(name, "Top"), m_widthSetting(name, "Width"),
      m_heightSetting(name, "Height")
{
    if (CSkinFolder* folder = CSkinFolder::sSkinFolder) {
        folder->AddListener(this);
        AttachSettings(folder->GetIniFile());
    }
}

void CSkinLocation::AttachSettings(CIniProfile* profile)
{
    m_leftSetting.SetIniFile(profile);
    m_topSetting.SetIniFile(profile);
    m_widthSetting.SetIniFile(profile);
    m_heightSetting.SetIniFile(profile);
}

bool CSkinLocation::ListenToMessage(long message, const void* p, const void* q)
{
    switch (message) {
    case kSkinLoadMessage: Load(); return true;
    case kSkinSaveMessage: Save(); return true;
    case kBroadcasterDyingMessage:
        // The settings must not keep pointing into a folder that is gone.
        AttachSettings(nullptr);
        break;
    default: break;
    }
    return CListener::ListenToMessage(message, p, q);
}

bool CSkinLocation::Load()
{
    CSkinFolder* folder = CSkinFolder::sSkinFolder;
    if (!folder || !folder->GetIniFile()) return false;
    m_left = m_leftSetting.GetValue(m_left);
    m_top = m_topSetting.GetValue(m_top);
    m_width = m_widthSetting.GetValue(m_width);
    m_height = m_heightSetting.GetValue(m_height);
    return true;
}

bool CSkinLocation::Save()
{
    CSkinFolder* folder = CSkinFolder::sSkinFolder;
    if (!folder || !folder->GetIniFile()) return false;
    m_leftSetting.SetValue(m_left);
    m_topSetting.SetValue(m_top);
    m_widthSetting.SetValue(m_width);
    m_heightSetting.SetValue(m_height);
    return true;
}
