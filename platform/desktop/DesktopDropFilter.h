#pragma once
// Files dragged from the desktop onto any peer: when the window under the pointer, or
// one of its parents, accepts files, the drop reaches it as the window system's dropped
// files (WM_DROPFILES); other drags keep the widget's own handling (text into an edit).
#include <QObject>

class DesktopDropFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
