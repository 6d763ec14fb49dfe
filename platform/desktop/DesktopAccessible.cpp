#include "desktop/DesktopAccessible.h"

#include "afx/controls/CBitmapButton.h"
#include "desktop/DesktopPeer.h"
#include "win32/controls/CtlMessages.h"
#include "win32/windowing/UserInput.h"
#include "win32/windowing/Window.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace {

// A button whose press and check state the peer supplies.
class Button : public QAccessibleWidget {
public:
    Button(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
    QString text(QAccessible::Text t) const override
    {
        QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !own.isEmpty()) return own;
        auto* button = qobject_cast<QAbstractButton*>(widget());
        return button ? DesktopPlainCaption(button->text()) : own;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = Checkable();
        s.checked = s.checkable && Checked();
        // A toggle that is on reads as pressed as well.
        s.pressed = s.checked && role() == QAccessible::Button;
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        names.prepend(Checkable() ? toggleAction() : pressAction());
        return names;
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() || name == toggleAction()) Press();
        else QAccessibleWidget::doAction(name);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    virtual bool Checkable() const { return true; }
    virtual bool Checked() const
    {
        auto* button = qobject_cast<QAbstractButton*>(widget());
        return button && button->isChecked();
    }
    virtual void Press()
    {
        if (auto* button = qobject_cast<QAbstractButton*>(widget())) button->click();
    }
};

class OwnerDrawnButton : public Button {
public:
    OwnerDrawnButton(QWidget* widget, HWND hwnd) : Button(widget, QAccessible::Button), m_hwnd(hwnd) {}

protected:
    bool Checkable() const override { return DesktopAccessible::IsToggle(m_hwnd); }
    bool Checked() const override { return IsWindow(m_hwnd) && SendMessageA(m_hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Press() override
    {
        if (!IsWindow(m_hwnd) || !IsWindowEnabled(m_hwnd)) return;
        RECT r{};
        GetWindowRect(m_hwnd, &r);
        POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        MvPostMouseInput(WM_LBUTTONDOWN, centre, MK_LBUTTON);
        MvPostMouseInput(WM_LBUTTONUP, centre, 0);
    }

private:
    HWND m_hwnd;
};

} // namespace

namespace DesktopAccessible {

void AsWindow(QWidget* window, bool dialog)
{
    QAccessible::registerAccessibleInterface(new QAccessibleWidget(window, dialog ? QAccessible::Dialog : QAccessible::Window));
}

void AsRadioButton(QAbstractButton* button)
{
    QAccessible::registerAccessibleInterface(new Button(button, QAccessible::RadioButton));
}

void AsOwnerDrawnButton(QWidget* widget, HWND hwnd)
{
    QAccessible::registerAccessibleInterface(new OwnerDrawnButton(widget, hwnd));
}

bool IsToggle(HWND hwnd)
{
    // The window's class is attached once its dialog initialises, so it is asked each time.
    return dynamic_cast<CBitmapButton*>(CWnd::FromHandlePermanent(hwnd)) != nullptr;
}

} // namespace DesktopAccessible
