#include "desktop/DesktopIpAddressPeer.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

DesktopIpAddressPeer::DesktopIpAddressPeer(HWND hwnd) : DesktopControlPeer(hwnd, new QWidget)
{
    auto* layout = new QHBoxLayout(Widget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < 4; ++i) {
        if (i) layout->addWidget(new QLabel("."));
        auto* field = new QLineEdit;
        field->setValidator(new QIntValidator(0, 255, field));
        field->setMaxLength(3);
        field->setAlignment(Qt::AlignCenter);
        field->setAccessibleName(QStringLiteral("Field %1").arg(i + 1));
        layout->addWidget(field, 1);
        QObject::connect(field, &QLineEdit::textEdited, field, [this, i](const QString& text) {
            if (Syncing() || !M()) return;
            M()->UserSetField(i, text.toStdString());
            if (text.size() == 3 && i < 3) m_fields[static_cast<size_t>(i) + 1]->setFocus();
        });
        QObject::connect(field, &QLineEdit::editingFinished, field, [this] { Resync(); });
        m_fields[static_cast<size_t>(i)] = field;
    }
}

QWidget* DesktopIpAddressPeer::FocusWidget() const
{
    return m_fields[0];
}

void DesktopIpAddressPeer::SyncState()
{
    CtlIpAddress* model = M();
    if (!model) return;
    for (int i = 0; i < 4; ++i) {
        QLineEdit* field = m_fields[static_cast<size_t>(i)];
        if (field->hasFocus()) continue;   // keeps what the user is typing
        int value = model->Field(i);
        field->setText(value < 0 ? QString() : QString::number(value));
    }
}
