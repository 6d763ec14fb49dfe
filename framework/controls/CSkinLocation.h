#pragma once
// A window place kept in the current skin: keys "Left", "Top", "Width" and "Height" in
// the location's own section of "skin.ini".
#include "CListener.h"
#include "CRegistry.h"
#include "win32/WinTypes.h"

class CSkinLocation : public CListener {
public:
    explicit CSkinLocation(const char* name);
    CSkinLocation(const CSkinLocation&) = delete;
    CSkinLocation& operator=(const CSkinLocation&) = delete;
    ~CSkinLocation() override = default;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    // False without a current skin; each value read with the present one as default.
    virtual bool Load();
    virtual bool Save();

    void SetLeft(ULONG left) { m_left = left; }
    void SetTop(ULONG top) { m_top = top; }
    void SetWidth(ULONG width) { m_width = width; }
    void SetHeight(ULONG height) { m_height = height; }
    ULONG GetLeft() const { return m_left; }
    ULONG GetTop() const { return m_top; }
    ULONG GetWidth() const { return m_width; }
    ULONG GetHeight() const { return m_height; }

private:
    void AttachSettings(CIniProfile* profile);

    CRegistry m_leftSetting;
    CRegistry m_topSetting;
    CRegistry m_widthSetting;
    CRegistry m_heightSetting;
    ULONG m_left = 0;
    ULONG m_top = 0;
    ULONG m_width = 0;
    ULONG m_height = 0;
};
