#include "desktop/DesktopComboBoxPeer.h"

#include "desktop/DesktopOwnerDrawn.h"
#include "win32/controls/CtlMessages.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QStylePainter>

namespace {

// The list drops down in the model too, so its opening and closing are heard.
class Combo : public QComboBox {
public:
    explicit Combo(HWND hwnd) : m_hwnd(hwnd) {}
    void showPopup() override
    {
        if (auto* model = CtlModelAs<CtlComboBox>(m_hwnd)) model->UserDropDown();
        QComboBox::showPopup();
    }
    void hidePopup() override
    {
        QComboBox::hidePopup();
        auto* model = CtlModelAs<CtlComboBox>(m_hwnd);
        if (model && model->IsDropped()) model->UserCloseUp();
    }

protected:
    // An owner-drawn list shows its chosen item as the list's code draws it.
    void paintEvent(QPaintEvent* event) override
    {
        auto* model = CtlModelAs<CtlComboBox>(m_hwnd);
        if (!model || !model->IsOwnerDrawn() || isEditable()) {
            QComboBox::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        option.currentIcon = QIcon();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        UINT state = ODS_COMBOBOXEDIT | (hasFocus() ? ODS_SELECTED | ODS_FOCUS : 0u) | (isEnabled() ? 0u : ODS_DISABLED);
        QImage item = DesktopDrawListItem(m_hwnd, model->CurSel(), state, field.size());
        if (!item.isNull()) painter.drawImage(field.topLeft(), item);
    }

private:
    HWND m_hwnd;
};

} // namespace

DesktopComboBoxPeer::DesktopComboBoxPeer(HWND hwnd) : DesktopControlPeer(hwnd, new Combo(hwnd))
{
    m_combo = static_cast<QComboBox*>(Widget());
    m_combo->setEditable((Style() & CBS_TYPEMASK) != CBS_DROPDOWNLIST);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMaxVisibleItems(12);
    if (M() && M()->IsOwnerDrawn()) m_combo->view()->setItemDelegate(new DesktopOwnerDrawnDelegate(hwnd, m_combo));
    QObject::connect(m_combo, &QComboBox::activated, m_combo, [this](int index) {
        if (Syncing() || !M()) return;
        M()->UserPick(index);
        Resync();
    });
    if (QLineEdit* edit = m_combo->lineEdit()) {
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this](const QString& text) {
            if (Syncing() || !M()) return;
            // The whole edit part is replaced by what it now reads.
            SendMessageA(Window(), CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
            if (text.isEmpty()) SendMessageA(Window(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
            else M()->UserType(text.toStdString());
            Resync();
        });
    }
}

void DesktopComboBoxPeer::SyncGeometry(DesktopPeer* parent)
{
    DesktopControlPeer::SyncGeometry(parent);
    if (!M() || (Style() & CBS_TYPEMASK) == CBS_SIMPLE) return;
    QRect r = m_combo->geometry();
    r.setHeight(std::min(r.height(), std::max(M()->EditHeight(), m_combo->sizeHint().height())));
    m_combo->setGeometry(r);
}

void DesktopComboBoxPeer::SyncState()
{
    CtlComboBox* model = M();
    if (!model) return;
    const auto& items = model->Items();
    bool same = m_combo->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < m_combo->count(); ++i)
        same = m_combo->itemText(i) == QString::fromStdString(items[static_cast<size_t>(i)].text);
    if (!same) {
        m_combo->clear();
        for (const auto& item : items) m_combo->addItem(QString::fromStdString(item.text));
    }
    m_combo->setCurrentIndex(model->CurSel());
    if (QLineEdit* edit = m_combo->lineEdit()) {
        QString text = QString::fromStdString(model->EditText());
        if (edit->text() != text) edit->setText(text);
    }
}

void DesktopComboBoxPeer::SyncName()
{
    DesktopControlPeer::SyncName();
    if (QLineEdit* edit = m_combo->lineEdit()) edit->setAccessibleName(m_combo->accessibleName());
}
