#include "desktop/DesktopOwnerButtonPeer.h"

#include "desktop/DesktopAccessible.h"
#include "desktop/DesktopSurface.h"
#include "win32/controls/CtlMessages.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionToolButton>

namespace {

// True when every pixel has one colour: the code painted no picture.
bool Blank(const QImage& image)
{
    if (image.isNull()) return true;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first) return false;
    return true;
}

// A caption too wide for the button shows as the initials of its words.
QString Fitted(const QString& caption, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(caption) <= width) return caption;
    QString initials;
    for (const QString& word : caption.split(' ', Qt::SkipEmptyParts)) initials += word.front();
    return initials;
}

class ButtonSurface : public DesktopSurface {
public:
    explicit ButtonSurface(HWND hwnd) : DesktopSurface(hwnd, false) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        DesktopSurface::paintEvent(event);
        if (!Blank(Raster())) return;
        QPainter painter(this);
        QStyleOptionToolButton option;
        option.initFrom(this);
        option.rect = rect();
        option.text = Fitted(Caption(), fontMetrics(), width() - 4);
        option.toolButtonStyle = Qt::ToolButtonTextOnly;
        option.subControls = QStyle::SC_ToolButton;
        bool on = SendMessageA(Window(), BM_GETCHECK, 0, 0) == BST_CHECKED;
        option.state |= on ? QStyle::State_On | QStyle::State_Sunken : QStyle::State_Raised;
        option.state |= QStyle::State_AutoRaise;
        if (GetFocus() == Window()) option.state |= QStyle::State_HasFocus;
        if (!IsWindowEnabled(Window())) option.state &= ~QStyle::State_Enabled;
        style()->drawComplexControl(QStyle::CC_ToolButton, &option, &painter, this);
    }

private:
    QString Caption() const
    {
        char text[256] = {};
        GetWindowTextA(Window(), text, sizeof text);
        return DesktopPlainCaption(QString::fromUtf8(text));
    }
};

} // namespace

DesktopOwnerButtonPeer::DesktopOwnerButtonPeer(HWND hwnd) : DesktopPeer(hwnd, new ButtonSurface(hwnd))
{
    DesktopAccessible::AsOwnerDrawnButton(Widget(), hwnd);
}

void DesktopOwnerButtonPeer::SyncPaint()
{
    Widget()->update();
}
