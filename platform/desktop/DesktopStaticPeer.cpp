#include "desktop/DesktopStaticPeer.h"

#include "desktop/DesktopImages.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/controls/CtlMessages.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

// A label that tells a notifying static's clicks to the model.
class Label : public QLabel {
public:
    explicit Label(HWND hwnd) : m_hwnd(hwnd) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            SendMessageA(m_hwnd, WM_LBUTTONUP, 0, MAKELPARAM(event->position().x(), event->position().y()));
        QLabel::mouseReleaseEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            SendMessageA(m_hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(event->position().x(), event->position().y()));
        QLabel::mousePressEvent(event);
    }

private:
    HWND m_hwnd;
};

} // namespace

DesktopStaticPeer::DesktopStaticPeer(HWND hwnd) : DesktopControlPeer(hwnd, new Label(hwnd))
{
    m_label = static_cast<QLabel*>(Widget());
    DWORD style = Style();
    Qt::Alignment align = Qt::AlignTop;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER: align |= Qt::AlignHCenter; break;
    case SS_RIGHT: align |= Qt::AlignRight; break;
    default: align |= Qt::AlignLeft; break;
    }
    if (style & SS_CENTERIMAGE) align = Qt::AlignCenter;
    m_label->setAlignment(align);
    m_label->setWordWrap((style & SS_TYPEMASK) <= SS_RIGHT);
    m_label->setTextFormat(Qt::PlainText);
}

void DesktopStaticPeer::SyncText()
{
    DWORD type = Style() & SS_TYPEMASK;
    if (type == SS_BITMAP || type == SS_ICON) return;
    QString text = ModelText();
    m_label->setText(Style() & SS_NOPREFIX ? text : DesktopPlainCaption(text));
}

void DesktopStaticPeer::SyncState()
{
    CtlStatic* model = M();
    if (!model) return;
    DWORD type = Style() & SS_TYPEMASK;
    QImage picture;
    if (type == SS_BITMAP) picture = DesktopImageOf(static_cast<HBITMAP>(model->Image()));
    else if (type == SS_ICON) picture = DesktopImageOfIcon(static_cast<HICON>(model->Image()));
    else return;
    m_label->setPixmap(QPixmap::fromImage(picture));
}
