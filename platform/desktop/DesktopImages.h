#pragma once
// GDI bitmaps and icons as Qt images.
#include "win32/WinTypes.h"

#include <QImage>

// The bitmap's pixels (a copy); null when it is no bitmap.
QImage DesktopImageOf(HBITMAP bitmap);
// The icon's colour pixels with its mask as transparency; null when it is no icon.
QImage DesktopImageOfIcon(HICON icon);
