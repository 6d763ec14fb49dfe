#pragma once
#include "afx/gdi/CGdiObject.h"

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    static CPen* FromHandle(HPEN pen);
    BOOL CreatePen(int style, int width, COLORREF color);
    int GetLogPen(struct LOGPEN* pen) const;
};
