#pragma once
// Edits how a 3D recording's two pictures are combined: in colour or grey, and through
// which pair of colour filters.
#include "C3dInfo2.h"
#include "CObjectController2.h"
#include "afx/CString.h"

class CComboBox;

class CAnaglyph2Controller : public CObjectController2 {
public:
    CAnaglyph2Controller();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CComboBox* color, CComboBox* filter);

    static CString GetColorText(EAnaglyphColor color);
    static EAnaglyphColor GetColor(const char* text);
    static CString GetFilterText(EAnaglyphFilter filter);
    static EAnaglyphFilter GetFilter(const char* text);

    void PopulateColorCombo();
    // Grey pictures can take any filter; colour ones only red and cyan.
    void PopulateFilterCombo();
    void ReflectColor();
    void ReflectFilter();
    void EnterColor();
    void EnterFilter();

    C3dInfo2* Get3dInfo() const;

private:
    CComboBox* m_color = nullptr;
    CComboBox* m_filter = nullptr;
};
