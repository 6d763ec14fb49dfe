#include "desktop/DesktopTextPeer.h"

#include "desktop/DesktopEditPeer.h"
#include "desktop/DesktopTextMap.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlRichEdit.h"
#include "win32/controls/RichEdit.h"

#include <QKeyEvent>

#include <algorithm>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

class TextEditor : public QTextEdit {
public:
    explicit TextEditor(HWND hwnd) : m_hwnd(hwnd) { setUndoRedoEnabled(false); }
    std::function<void()> m_changed;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!DesktopEditModelKey(m_hwnd, event)) return QTextEdit::keyPressEvent(event);
        if (m_changed) m_changed();
    }

private:
    HWND m_hwnd;
};

QTextCharFormat QtFormat(const CtlCharFormat& format)
{
    QTextCharFormat out;
    out.setFontFamilies({QString::fromStdString(format.face)});
    if (format.height > 0) out.setFontPointSize(format.height / 20.0);
    out.setFontWeight(format.effects & CFE_BOLD ? QFont::Bold : QFont::Normal);
    out.setFontItalic(format.effects & CFE_ITALIC);
    out.setFontUnderline(format.effects & CFE_UNDERLINE);
    out.setFontStrikeOut(format.effects & CFE_STRIKEOUT);
    if (!(format.effects & CFE_AUTOCOLOR))
        out.setForeground(QColor(GetRValue(format.color), GetGValue(format.color), GetBValue(format.color)));
    return out;
}

Qt::Alignment QtAlignment(const CtlParaFormat& format)
{
    switch (format.alignment) {
    case PFA_RIGHT: return Qt::AlignRight;
    case PFA_CENTER: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

} // namespace

DesktopTextPeer::DesktopTextPeer(HWND hwnd) : DesktopControlPeer(hwnd, new TextEditor(hwnd))
{
    m_edit = static_cast<QTextEdit*>(Widget());
    static_cast<TextEditor*>(m_edit)->m_changed = [this] { Resync(); };
    m_edit->setAcceptRichText(false);
    m_edit->setTabChangesFocus(false);
    QObject::connect(m_edit->document(), &QTextDocument::contentsChange, m_edit,
                     [this](int position, int removed, int added) { UserEdited(position, removed, added); });
    QObject::connect(m_edit, &QTextEdit::cursorPositionChanged, m_edit, [this] { UserSelected(); });
    QObject::connect(m_edit, &QTextEdit::selectionChanged, m_edit, [this] { UserSelected(); });
}

void DesktopTextPeer::SyncStyle()
{
    DWORD style = Style();
    m_edit->setReadOnly(style & ES_READONLY);
    m_edit->setLineWrapMode(style & ES_AUTOHSCROLL && !M()->IsRich() ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
    SyncState();
}

void DesktopTextPeer::Rebuild(const CtlEdit& model)
{
    const CtlTextModel& doc = model.Doc();
    int scroll = m_edit->verticalScrollBar()->value();
    QTextDocument* document = m_edit->document();
    document->clear();
    if (!model.IsRich()) {
        m_edit->setPlainText(DesktopTextMap::ToQt(doc.Text()));
    } else {
        CtlRichText rich = doc.Extract(0, doc.Length());
        QTextCursor cursor(document);
        size_t paragraph = 0;
        auto blockFormat = [&](size_t index) {
            QTextBlockFormat block;
            if (index < rich.paraFormats.size()) block.setAlignment(QtAlignment(rich.paraFormats[index]));
            return block;
        };
        cursor.setBlockFormat(blockFormat(paragraph));
        size_t i = 0;
        while (i < rich.text.size()) {
            if (rich.text[i] == u'\r') {
                cursor.insertBlock(blockFormat(++paragraph), QtFormat(rich.FormatOf(i)));
                ++i;
                continue;
            }
            size_t run = i;
            while (run < rich.text.size() && rich.text[run] != u'\r' && rich.charFormat[run] == rich.charFormat[i]) ++run;
            cursor.insertText(QString::fromUtf16(rich.text.data() + i, static_cast<qsizetype>(run - i)),
                              QtFormat(rich.FormatOf(i)));
            i = run;
        }
        if (auto* richModel = dynamic_cast<const CtlRichEdit*>(&model)) {
            COLORREF back = richModel->Background();
            QPalette palette = m_edit->palette();
            palette.setColor(QPalette::Base, back == 0xFFFFFFFF ? m_edit->style()->standardPalette().color(QPalette::Base)
                                                                : QColor(GetRValue(back), GetGValue(back), GetBValue(back)));
            m_edit->setPalette(palette);
        }
    }
    m_length = m_edit->document()->characterCount() - 1;
    m_edit->verticalScrollBar()->setValue(scroll);
}

void DesktopTextPeer::SyncState()
{
    CtlEdit* model = M();
    if (!model) return;
    const CtlTextModel& doc = model->Doc();
    bool textChanged = doc.TextRevision() != m_revision;
    // A change of state that moved no selection changed the formats.
    bool formatsChanged = model->IsRich() && doc.Serial() != m_serial && doc.Anchor() == m_anchor && doc.Caret() == m_caret;
    if (textChanged || formatsChanged) Rebuild(*model);
    Shown(doc);
    QTextCursor cursor = m_edit->textCursor();
    int anchor = DesktopTextMap::ToQtPos(doc.Text(), doc.Anchor(), model->IsRich());
    int caret = DesktopTextMap::ToQtPos(doc.Text(), doc.Caret(), model->IsRich());
    if (cursor.anchor() != anchor || cursor.position() != caret) {
        cursor.setPosition(anchor);
        cursor.setPosition(caret, QTextCursor::KeepAnchor);
        m_edit->setTextCursor(cursor);
    }
}

void DesktopTextPeer::Shown(const CtlTextModel& doc)
{
    m_revision = doc.TextRevision();
    m_serial = doc.Serial();
    m_anchor = doc.Anchor();
    m_caret = doc.Caret();
}

void DesktopTextPeer::UserEdited(int position, int removed, int added)
{
    CtlEdit* model = M();
    QTextDocument* document = m_edit->document();
    const int length = document->characterCount() - 1;
    if (Syncing() || !model) {
        m_length = length;
        return;
    }
    const bool rich = model->IsRich();
    const std::u16string& text = model->Doc().Text();
    // Qt counts the document's last paragraph end in a change that reaches it.
    added = std::clamp(added, 0, length - position);
    removed = std::clamp(removed, 0, m_length - position);
    QTextCursor stretch(document);
    stretch.setPosition(position);
    stretch.setPosition(position + added, QTextCursor::KeepAnchor);
    std::u16string typed = DesktopTextMap::ToModel(stretch.selectedText(), rich);
    int start = DesktopTextMap::ToModelPos(text, position, rich);
    int end = DesktopTextMap::ToModelPos(text, position + removed, rich);
    model->UserSelect(start, end);
    if (!typed.empty()) model->UserType(std::u16string_view(typed));
    else if (end > start) model->UserDelete();
    m_length = length;
    // What the model took is what is shown; a refused key is undone on screen. A rich
    // edit's text is Qt's character for character, so its length and the typed stretch tell.
    const std::u16string& now = model->Doc().Text();
    bool taken = rich ? static_cast<int>(now.size()) == length && now.compare(static_cast<size_t>(start), typed.size(), typed) == 0
                      : DesktopTextMap::ToQt(now) == m_edit->toPlainText();
    if (taken) Shown(model->Doc());
    Resync();
}

void DesktopTextPeer::UserSelected()
{
    CtlEdit* model = M();
    if (Syncing() || !model) return;
    // Qt moves its caret before it reports the typed text; the edit brings the model's
    // caret along, and moving it first would end the typing that undo takes as one step.
    if (m_edit->document()->characterCount() - 1 != m_length) return;
    QTextCursor cursor = m_edit->textCursor();
    const std::u16string& text = model->Doc().Text();
    const bool rich = model->IsRich();
    model->UserSelect(DesktopTextMap::ToModelPos(text, cursor.anchor(), rich),
                      DesktopTextMap::ToModelPos(text, cursor.position(), rich));
    m_anchor = model->Doc().Anchor();
    m_caret = model->Doc().Caret();
    m_serial = model->Doc().Serial();
}
