#pragma once
// A widget that shows what a window painted through GDI and hands the pointer, the wheel,
// the keys and dropped files to the window system as the messages a user's input causes.
// Windows without a control peer of their own (frames' client areas, panels, owner-drawn
// controls, windows that paint themselves) show through one.
#include "win32/Messages.h"

#include <QWidget>

class DesktopSurface : public QWidget {
public:
    // `clientOnly`: the widget covers the window's client area rather than the whole window.
    DesktopSurface(HWND hwnd, bool clientOnly, QWidget* parent = nullptr);

    HWND Window() const { return m_hwnd; }
    // The window's raster as an image (a copy), for tests and grabs.
    QImage Raster() const;
    // A raster the window has not painted yet holds the window colour of the desktop's
    // theme, not black; the window is asked to paint itself over it.
    void Prime();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    // Where the widget's (0,0) lies on the model's screen.
    POINT ModelOrigin() const;
    void Mouse(UINT message, QMouseEvent* event);
    HWND KeyTarget() const;
    void Type(const QString& text);

    HWND m_hwnd;
    bool m_clientOnly;
    QSize m_primed;
};
