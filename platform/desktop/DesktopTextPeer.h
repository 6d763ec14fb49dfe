#pragma once
// The multi-line edit and the rich edit as a text editor: it shows the model's text, its
// character and paragraph formats and its selection; typing, deleting and selecting reach
// the model as a user's keys, and undo and the clipboard keys are the model's.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlEdit.h"

#include <cstdint>

class QTextEdit;

class DesktopTextPeer : public DesktopControlPeer<CtlEdit> {
public:
    explicit DesktopTextPeer(HWND hwnd);
    QTextEdit* Editor() const { return m_edit; }
    void SyncState() override;
    void SyncStyle() override;

private:
    void Rebuild(const CtlEdit& model);
    void UserEdited();
    void UserSelected();
    QTextEdit* m_edit;
    QString m_shown;           // the text as last shown (Qt's form)
    uint64_t m_revision = ~uint64_t{0};
    uint64_t m_serial = ~uint64_t{0};
    long m_anchor = -1, m_caret = -1;
    int m_changeAt = 2147483647;   // where Qt's document changed first since the last edit
};
