#pragma once
// Keys pressed in a peer reach the window system's pre-translation first (accelerators,
// dialog keys such as Tab, Enter and Escape), when Qt asks whether a shortcut overrides
// the key; a key it takes goes no further.
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <optional>

class DesktopKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QEvent* m_last = nullptr;
    QPointer<QWidget> m_lastWidget;
    struct Taken {
        int key;
        Qt::KeyboardModifiers modifiers;
    };
    std::optional<Taken> m_taken;
};
