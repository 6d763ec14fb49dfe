#pragma once
// What the window layer needs of GDI to give windows and the desktop their device contexts.
#include "win32/WinTypes.h"

// A device context over the whole screen: the X11 root window when a display is reachable,
// otherwise a screen raster of our own. Delete it with DeleteDC.
HDC GdiCreateScreenDc();
SIZE GdiGetScreenSize();
int GdiGetScreenBitsPerPixel();
// True when the screen is a real X11 display.
bool GdiScreenIsDisplay();
// Whether what the screen shows can be captured: only a real display, unless a test lets
// the screen raster of our own stand in for one.
bool GdiScreenCanCapture();
void MvLetScreenRasterBeCaptured(bool allow);
// The pointer on the X11 display; false without one.
bool GdiQueryDisplayPointer(POINT* point);
// A clip in device coordinates that SelectClipRgn(dc, NULL) does not lift (a window's
// region and update area); the region is copied; NULL removes it.
BOOL GdiSetSystemClip(HDC dc, HRGN region);
