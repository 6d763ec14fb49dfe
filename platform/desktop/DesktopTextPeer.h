#pragma once
// The multi-line edit and the rich edit as a text editor: it shows the model's text, its
// character and paragraph formats and its selection; typing, deleting and selecting reach
// the model as a user's keys, and undo and the clipboard keys are the model's.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlEdit.h"

#include <cstdint>

class CtlTextModel;

class QTextEdit;

class DesktopTextPeer : public DesktopControlPeer<CtlEdit> {
public:
    explicit DesktopTextPeer(HWND hwnd);
    QTextEdit* Editor() const { return m_edit; }
    void SyncState() override;
    void SyncStyle() override;

protected:
    bool CaptionNames() const override { return false; }

private:
    void Rebuild(const CtlEdit& model);
    // Qt's document changed at `position`: `removed` characters gave way to `added` ones.
    // Only that stretch is read and handed on, so a key costs the same in a long text.
    void UserEdited(int position, int removed, int added);
    void UserSelected();
    // The model's state as the screen shows it now.
    void Shown(const CtlTextModel& doc);
    QTextEdit* m_edit;
    int m_length = 0;          // the length of the text as last shown (Qt's form)
    uint64_t m_revision = ~uint64_t{0};
    uint64_t m_serial = ~uint64_t{0};
    long m_anchor = -1, m_caret = -1;
};
