#pragma once
// A skin: a folder of bitmaps and window places described by its "skin.ini". The first
// skin folder made is the current one; skin locations listen to it.
#include "CBroadcaster.h"
#include "CIniProfile.h"
#include "afx/CString.h"

inline constexpr long kSkinLoadMessage = 3950045;
inline constexpr long kSkinSaveMessage = 3950046;

class CSkinFolder : public CBroadcaster {
public:
    // The folder text ends with '/': "skin.ini" follows it directly.
    explicit CSkinFolder(const char* folder);
    CSkinFolder(const CSkinFolder&) = delete;
    CSkinFolder& operator=(const CSkinFolder&) = delete;
    ~CSkinFolder() override;

    // Another folder has every location reload from its skin.
    void SetFolder(const char* folder);
    const CString& GetFolder() const { return m_folder; }
    // Locations' settings stay attached to this object when the folder changes.
    CIniProfile* GetIniFile() { return &m_iniFile; }

    static void LoadAll();
    static void SaveAll();

    static CSkinFolder* sSkinFolder;

private:
    void PointIniFile();

    CIniProfile m_iniFile;
    CString m_folder;
};
