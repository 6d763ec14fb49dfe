#pragma once
// Image lists: images of one size cut from bitmaps or taken from icons, kept by handle.
#include "win32/controls/CommCtrl.h"

#define ILD_NORMAL 0x0000
#define ILD_TRANSPARENT 0x0001

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
// Cuts the bitmap into images of the list's width; returns the first new index or -1.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask);
// index -1 appends.
int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon);
#define ImageList_AddIcon(list, icon) ImageList_ReplaceIcon(list, -1, icon)
// index -1 removes every image.
BOOL ImageList_Remove(HIMAGELIST list, int index);
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_SetImageCount(HIMAGELIST list, UINT count);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* width, int* height);
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF colour);
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
