#pragma once
// The edit field of the data pages: tells its listeners when editing has finished (focus lost,
// or Enter released), with the field itself as the first parameter.
#include "CBroadcaster.h"
#include "afx/controls/CEdit.h"

inline constexpr long kEntryFieldCommittedMessage = 2275643;

class CEntryField : public CEdit, public CBroadcaster {
public:
    CEntryField() = default;
    CEntryField(const CEntryField&) = delete;
    CEntryField& operator=(const CEntryField&) = delete;

    // A border asked for becomes the sunken client edge.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // What listeners receive as the first parameter.
    const void* Identity() const { return this; }

protected:
    void OnKillFocus(CWnd* next);
    void OnKeyUp(UINT key, UINT repeat, UINT flags);
    DECLARE_MESSAGE_MAP()
};

// Shared with the styled rich edit.
void MvBorderToClientEdge(CREATESTRUCT& cs);
