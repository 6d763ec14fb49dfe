#include "UPanelTemplates.h"

#include "UDialogTemplates.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

#include <utility>

MvDialogTemplate UPanelTemplates::Page(short cx, short cy, std::vector<MvDialogItem> items)
{
    MvDialogTemplate t = UDialogTemplates::Make("", cx, cy, std::move(items));
    t.style = WS_CHILD | DS_CONTROL;
    return t;
}

MvDialogItem UPanelTemplates::Label(const char* text, int id, short x, short y, short cx, short cy)
{
    return UDialogTemplates::Item("Static", text, id, 0, x, y, cx, cy);
}

MvDialogItem UPanelTemplates::DropList(int id, short x, short y, short cx, short cy)
{
    return UDialogTemplates::Item("ComboBox", "", id, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x, y, cx, cy);
}

MvDialogItem UPanelTemplates::DropDown(int id, short x, short y, short cx, short cy)
{
    return UDialogTemplates::Item("ComboBox", "", id, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, x, y,
                                  cx, cy);
}

MvDialogItem UPanelTemplates::Button(const char* text, int id, short x, short y, short cx, short cy)
{
    return UDialogTemplates::Item("Button", text, id, BS_PUSHBUTTON | WS_TABSTOP, x, y, cx, cy);
}

MvDialogItem UPanelTemplates::Check(const char* text, int id, short x, short y, short cx, short cy)
{
    return UDialogTemplates::Item("Button", text, id, BS_AUTOCHECKBOX | WS_TABSTOP, x, y, cx, cy);
}

MvDialogItem UPanelTemplates::Radio(const char* text, int id, short x, short y, short cx, bool first, short cy)
{
    return UDialogTemplates::Item("Button", text, id, BS_AUTORADIOBUTTON | WS_TABSTOP | (first ? WS_GROUP : 0), x, y,
                                  cx, cy);
}

MvDialogItem UPanelTemplates::Edit(int id, short x, short y, short cx, short cy)
{
    return UDialogTemplates::Item("Edit", "", id, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, x, y, cx, cy);
}

MvDialogItem UPanelTemplates::Slider(int id, short x, short y, short cx, short cy)
{
    return UDialogTemplates::Item(TRACKBAR_CLASS, "", id, TBS_HORZ | TBS_BOTH | TBS_NOTICKS | WS_TABSTOP, x, y, cx,
                                  cy);
}

MvDialogItem UPanelTemplates::Hidden(MvDialogItem item)
{
    item.style &= ~static_cast<DWORD>(WS_VISIBLE);
    return item;
}

void UPanelTemplates::Register(std::initializer_list<UINT> ids, MvDialogTemplate (*make)())
{
    for (UINT id : ids) UDialogTemplates::Register(id, make);
}
