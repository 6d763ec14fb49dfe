#include "desktop/DesktopEditPeer.h"

#include "desktop/DesktopTextMap.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/RichEdit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

class Line : public QLineEdit {
public:
    explicit Line(HWND hwnd) : m_hwnd(hwnd) {}
    std::function<void()> m_changed;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!DesktopEditModelKey(m_hwnd, event)) return QLineEdit::keyPressEvent(event);
        if (m_changed) m_changed();
    }

private:
    HWND m_hwnd;
};

} // namespace

bool DesktopEditModelKey(HWND hwnd, QKeyEvent* event)
{
    auto* model = CtlModelAs<CtlEdit>(hwnd);
    if (!model) return false;
    if (event->matches(QKeySequence::Undo)) model->UserUndo();
    else if (event->matches(QKeySequence::Redo) && model->IsRich()) SendMessageA(hwnd, EM_REDO, 0, 0);
    else if (event->matches(QKeySequence::Copy)) model->UserCopy();
    else if (event->matches(QKeySequence::Cut)) model->UserCut();
    else if (event->matches(QKeySequence::Paste)) model->UserPaste();
    else return false;
    event->accept();
    return true;
}

void DesktopApplyEdit(CtlEdit& model, const QString& before, const QString& after, qsizetype at)
{
    qsizetype prefix = 0;
    qsizetype limit = std::min(before.size(), after.size());
    while (prefix < limit && prefix < at && before[prefix] == after[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < limit - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) ++suffix;
    const std::u16string& text = model.Doc().Text();
    int start = DesktopTextMap::ToModelPos(text, static_cast<int>(prefix));
    int end = DesktopTextMap::ToModelPos(text, static_cast<int>(before.size() - suffix));
    QString inserted = after.mid(prefix, after.size() - suffix - prefix);
    model.UserSelect(start, end);
    if (!inserted.isEmpty()) model.UserType(std::u16string_view(DesktopTextMap::ToModel(inserted, model.IsRich())));
    else if (end > start) model.UserDelete();
}

DesktopEditPeer::DesktopEditPeer(HWND hwnd) : DesktopControlPeer(hwnd, new Line(hwnd))
{
    m_edit = static_cast<QLineEdit*>(Widget());
    static_cast<Line*>(m_edit)->m_changed = [this] { Resync(); };
    QObject::connect(m_edit, &QLineEdit::textEdited, m_edit, [this](const QString& text) { UserEdited(text); });
    QObject::connect(m_edit, &QLineEdit::selectionChanged, m_edit, [this] { UserSelected(); });
    QObject::connect(m_edit, &QLineEdit::cursorPositionChanged, m_edit, [this] { UserSelected(); });
}

void DesktopEditPeer::UserEdited(const QString& text)
{
    CtlEdit* model = M();
    if (Syncing() || !model) return;
    QString before = DesktopTextMap::ToQt(model->Doc().Text());
    // The caret ends after what was typed, so the change began no later than that.
    qsizetype at = m_edit->cursorPosition() - std::max<qsizetype>(0, text.size() - before.size());
    DesktopApplyEdit(*model, before, text, std::max<qsizetype>(0, at));
    Resync();
}

void DesktopEditPeer::UserSelected()
{
    CtlEdit* model = M();
    if (Syncing() || !model) return;
    int caret = m_edit->cursorPosition();
    int anchor = caret;
    if (m_edit->hasSelectedText()) {
        int start = m_edit->selectionStart();
        int end = start + static_cast<int>(m_edit->selectedText().size());
        anchor = caret == start ? end : start;
    }
    const std::u16string& text = model->Doc().Text();
    model->UserSelect(DesktopTextMap::ToModelPos(text, anchor), DesktopTextMap::ToModelPos(text, caret));
}

void DesktopEditPeer::SyncStyle()
{
    DWORD style = Style();
    m_edit->setEchoMode(style & ES_PASSWORD ? QLineEdit::Password : QLineEdit::Normal);
    m_edit->setReadOnly(style & ES_READONLY);
    m_edit->setAlignment(style & ES_CENTER ? Qt::AlignHCenter : style & ES_RIGHT ? Qt::AlignRight : Qt::AlignLeft);
    SyncState();
}

void DesktopEditPeer::SyncState()
{
    CtlEdit* model = M();
    if (!model) return;
    const CtlTextModel& doc = model->Doc();
    QString text = DesktopTextMap::ToQt(doc.Text());
    if (m_edit->text() != text) m_edit->setText(text);
    int anchor = DesktopTextMap::ToQtPos(doc.Text(), doc.Anchor());
    int caret = DesktopTextMap::ToQtPos(doc.Text(), doc.Caret());
    if (anchor == caret) m_edit->setCursorPosition(caret);
    else m_edit->setSelection(anchor, caret - anchor);
}
