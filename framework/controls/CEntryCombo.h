#pragma once
// The combo box of the data pages: tells its listeners when editing has finished (focus lost,
// or Enter released), with its broadcaster base as the first parameter.
#include "CBroadcaster.h"
#include "CEntryField.h"
#include "afx/controls/CComboBox.h"

class CEntryCombo : public CComboBox, public CBroadcaster {
public:
    CEntryCombo() = default;
    CEntryCombo(const CEntryCombo&) = delete;
    CEntryCombo& operator=(const CEntryCombo&) = delete;

    // What listeners receive as the first parameter.
    const void* Identity() const { return static_cast<const CBroadcaster*>(this); }

protected:
    void OnKeyUp(UINT key, UINT repeat, UINT flags);
    void OnKillFocusReflect();
    DECLARE_MESSAGE_MAP()
};
