#pragma once
// Builders of the settings pages' child templates, in dialog units.
#include "win32/dialogs/Dialog.h"

#include <initializer_list>
#include <vector>

class UPanelTemplates {
public:
    // A borderless child page of that size.
    static MvDialogTemplate Page(short cx, short cy, std::vector<MvDialogItem> items);

    static MvDialogItem Label(const char* text, int id, short x, short y, short cx, short cy = 8);
    static MvDialogItem DropList(int id, short x, short y, short cx, short cy = 100);
    // An editable combo.
    static MvDialogItem DropDown(int id, short x, short y, short cx, short cy = 100);
    static MvDialogItem Button(const char* text, int id, short x, short y, short cx, short cy = 14);
    static MvDialogItem Check(const char* text, int id, short x, short y, short cx, short cy = 10);
    // The first radio button of a group starts it.
    static MvDialogItem Radio(const char* text, int id, short x, short y, short cx, bool first, short cy = 10);
    static MvDialogItem Edit(int id, short x, short y, short cx, short cy = 14);
    static MvDialogItem Slider(int id, short x, short y, short cx, short cy = 15);
    static MvDialogItem Hidden(MvDialogItem item);

    // One layout under a page's base template and each of its application variants.
    static void Register(std::initializer_list<UINT> ids, MvDialogTemplate (*make)());
};
