#pragma once
// A sorted combo of the installed fonts, each drawn in its own typeface; it owns the entries.
#include "CDrawComboBox.h"

class CFontEntry;
struct ENUMLOGFONTEXA;
struct LOGFONTA;

class CFontCombo : public CDrawComboBox {
public:
    CFontCombo() = default;
    CFontCombo(const CFontCombo&) = delete;
    CFontCombo& operator=(const CFontCombo&) = delete;
    ~CFontCombo() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void LoadFonts();
    // Always 1: the enumeration goes on.
    int AddFont(const ENUMLOGFONTEXA* font, DWORD fontType);
    void ResetFonts();

    // -1 when no item has exactly that face and character set.
    int GetFontIndex(const char* face, BYTE charSet) const;
    int SelectFont(const char* face, BYTE charSet);
    const LOGFONTA* GetFontInfo(int index) const;
    const LOGFONTA* GetFontInfo(const char* face, BYTE charSet) const;
    const LOGFONTA* GetSelectedFontInfo() const;

    int CompareItem(LPCOMPAREITEMSTRUCT item) override;
    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void DeleteItem(LPDELETEITEMSTRUCT item) override;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CFontEntry* EntryAt(int index) const;
};
