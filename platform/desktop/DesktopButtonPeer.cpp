#include "desktop/DesktopButtonPeer.h"

#include "desktop/DesktopAccessible.h"
#include "desktop/DesktopImages.h"
#include "win32/controls/CtlMessages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

QWidget* Make(HWND hwnd)
{
    DWORD type = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
    switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return new QCheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return new QRadioButton;
    case BS_GROUPBOX: return new QGroupBox;
    default: return new QPushButton;
    }
}

} // namespace

DesktopButtonPeer::DesktopButtonPeer(HWND hwnd) : DesktopControlPeer(hwnd, Make(hwnd))
{
    m_button = qobject_cast<QAbstractButton*>(Widget());
    if (!m_button) {
        // A group box only frames its neighbours; clicks pass to what lies under it.
        Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
        return;
    }
    if (auto* radio = qobject_cast<QRadioButton*>(m_button)) {
        // The model keeps its groups; Qt's own exclusivity would make it a check box on the bus.
        radio->setAutoExclusive(false);
        DesktopAccessible::AsRadioButton(radio);
    }
    if (auto* check = qobject_cast<QCheckBox*>(m_button)) {
        DWORD type = Style() & BS_TYPEMASK;
        check->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
    }
    QObject::connect(m_button, &QAbstractButton::clicked, m_button, [this] {
        if (Syncing() || !M()) return;
        M()->UserClick();
        Resync();
    });
}

void DesktopButtonPeer::SyncText()
{
    QString text = ModelText();
    if (auto* group = qobject_cast<QGroupBox*>(Widget())) group->setTitle(DesktopPlainCaption(text));
    else if (m_button) m_button->setText(text);
}

void DesktopButtonPeer::SyncState()
{
    CtlButton* model = M();
    if (!model || !m_button) return;
    if (auto* push = qobject_cast<QPushButton*>(m_button)) {
        push->setDefault((Style() & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        if (auto image = static_cast<HBITMAP>(model->Image(0))) {
            QImage picture = DesktopImageOf(image);
            if (!picture.isNull()) {
                push->setIcon(QPixmap::fromImage(picture));
                push->setIconSize(picture.size());
            }
        }
        return;
    }
    if (auto* check = qobject_cast<QCheckBox*>(m_button)) {
        check->setCheckState(model->Check() == BST_INDETERMINATE ? Qt::PartiallyChecked
                             : model->Check()                    ? Qt::Checked
                                                                 : Qt::Unchecked);
        return;
    }
    m_button->setChecked(model->Check() != 0);
}
