#pragma once
// The framework's own dialog templates, registered by id on first use, after the
// control classes they name.
#include "win32/dialogs/Dialog.h"

class UDialogTemplates {
public:
    // Registers the template under id once; later calls keep the first.
    static void Register(UINT id, MvDialogTemplate (*make)());
    // A captioned pop-up template of the given client size.
    static MvDialogTemplate Make(const char* caption, short cx, short cy, std::vector<MvDialogItem> items);
    // A control item of a template, shown and in the tab order unless style says otherwise.
    static MvDialogItem Item(const char* className, const char* text, int id, DWORD style, short x, short y, short cx,
                             short cy);
};
