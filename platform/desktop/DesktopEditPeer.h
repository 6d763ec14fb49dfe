#pragma once
// The single-line edit control as a line edit: what the user types reaches the model as
// typed keys over the selection, the selection as the user's selection.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlEdit.h"

class QKeyEvent;
class QLineEdit;

class DesktopEditPeer : public DesktopControlPeer<CtlEdit> {
public:
    explicit DesktopEditPeer(HWND hwnd);
    void SyncState() override;
    void SyncStyle() override;

protected:
    bool CaptionNames() const override { return false; }

private:
    void UserEdited(const QString& text);
    void UserSelected();
    QLineEdit* m_edit;
};

// Hands a change of a text widget to the edit model as a user's selection and typing:
// `before` and `after` are the widget's text before and after the change (Qt's form), and
// the change starts at `at` or before (where a run of equal characters leaves it open).
void DesktopApplyEdit(CtlEdit& model, const QString& before, const QString& after, qsizetype at);
// Undo, redo and the clipboard keys are the model's (it keeps the undo levels and the
// clipboard); true when the key was one of them and the model had it.
bool DesktopEditModelKey(HWND hwnd, QKeyEvent* event);
