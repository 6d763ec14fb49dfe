#include "UDialogTemplates.h"
#include "win32/controls/CommCtrl.h"
#include "win32/gdi/Icon.h"

#include <utility>

void UDialogTemplates::Register(UINT id, MvDialogTemplate (*make)())
{
    InitCommonControls();
    if (!MvFindDialog(MAKEINTRESOURCEA(id))) MvRegisterDialog(id, make());
}

MvDialogItem UDialogTemplates::Item(const char* className, const char* text, int id, DWORD style, short x, short y,
                                    short cx, short cy)
{
    MvDialogItem item;
    item.className = className;
    item.text = text;
    item.id = id;
    item.style = style | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    return item;
}

MvDialogTemplate UDialogTemplates::Make(const char* caption, short cx, short cy, std::vector<MvDialogItem> items)
{
    MvDialogTemplate t;
    t.caption = caption;
    t.cx = cx;
    t.cy = cy;
    t.items = std::move(items);
    return t;
}
