#pragma once
// A window's frame (non-client area) of its own: WM_NCCALCSIZE chooses it, WM_NCPAINT
// paints it, WM_NCHITTEST names its parts, and the pointer over it comes as the WM_NC mouse
// messages (wParam the hit-test code, lParam the screen point).
#include "win32/Messages.h"

#define WM_NCMOUSEMOVE 0x00A0
#define WM_NCLBUTTONDOWN 0x00A1
#define WM_NCLBUTTONUP 0x00A2
#define WM_NCLBUTTONDBLCLK 0x00A3
#define WM_NCRBUTTONDOWN 0x00A4
#define WM_NCRBUTTONUP 0x00A5
#define WM_NCRBUTTONDBLCLK 0x00A6
#define WM_NCMBUTTONDOWN 0x00A7
#define WM_NCMBUTTONUP 0x00A8
#define WM_NCMBUTTONDBLCLK 0x00A9

// Hit-test codes besides HTCLIENT.
#define HTNOWHERE 0
#define HTCAPTION 2
#define HTLEFT 10
#define HTRIGHT 11
#define HTTOP 12
#define HTBOTTOM 15
#define HTBORDER 18
#define HTCLOSE 20

// WM_NCCALCSIZE with wParam TRUE; with FALSE, lParam is the first rectangle alone: the
// window's rectangle (in its parent's client coordinates), which becomes its client area.
struct NCCALCSIZE_PARAMS {
    RECT rgrc[3];
    WINDOWPOS* lppos;
};

// RedrawWindow: the frame is painted again too.
#define RDW_FRAME 0x0400

// For BeginPaint: whether the window's own frame is due for WM_NCPAINT (once).
bool MvTakeFramePaint(HWND hwnd);
// The message over the frame that stands for a client-area mouse message.
inline UINT MvNonClientMouse(UINT message) { return message - WM_MOUSEMOVE + WM_NCMOUSEMOVE; }
