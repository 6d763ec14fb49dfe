#include "CSkinFolder.h"

#include <cstring>
#include <string>

CSkinFolder* CSkinFolder::sSkinFolder = nullptr;

CSkinFolder::CSkinFolder(const char* folder) : m_folder(folder ? folder : "")
{
    PointIniFile();
    if (!sSkinFolder) sSkinFolder = this;
}

CSkinFolder::~CSkinFolder()
{
    if (sSkinFolder == this) sSkinFolder = nullptr;
}

void CSkinFolder::PointIniFile()
{
    const std::string path = std::string(m_folder.GetString()) + "skin.ini";
    m_iniFile.SetIniFile(path.c_str());
}

void CSkinFolder::SetFolder(const char* folder)
{
    if (!folder) folder = "";
    if (std::strcmp(folder, m_folder.GetString()) == 0) return;
    m_folder = folder;
    PointIniFile();
    Broadcast(kSkinLoadMessage, this, nullptr);
}

void CSkinFolder::LoadAll()
{
    if (sSkinFolder) sSkinFolder->Broadcast(kSkinLoadMessage, sSkinFolder, nullptr);
}

void CSkinFolder::SaveAll()
{
    if (sSkinFolder) sSkinFolder->Broadcast(kSkinSaveMessage, sSkinFolder, nullptr);
}
