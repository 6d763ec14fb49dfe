#include "afx/gdi/CPen.h"

#include "afx/gdi/GdiObjectMaps.h"
#include "win32/gdi/Gdi.h"

CPen::CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
CPen* CPen::FromHandle(HPEN pen) { return FromHandleAs<CPen>(pen); }
BOOL CPen::CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
int CPen::GetLogPen(LOGPEN* pen) const { return GetObject(sizeof(LOGPEN), pen); }
