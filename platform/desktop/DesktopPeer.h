#pragma once
// A Qt peer of one window model: the widget that shows it. The model stays the one truth:
// Sync brings the widget up to date after the model changed, and the widget's user actions
// go back into the model as the messages a user's action causes. While a peer syncs, the
// signals its own changes raise are not taken for a user's actions.
#include "win32/Messages.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class DesktopPeer {
public:
    // Bits of MvWindowEvent values, as Sync receives them.
    static constexpr unsigned Bit(int event) { return 1u << event; }

    DesktopPeer(HWND hwnd, QWidget* widget);
    virtual ~DesktopPeer();
    DesktopPeer(const DesktopPeer&) = delete;
    DesktopPeer& operator=(const DesktopPeer&) = delete;

    HWND Window() const { return m_hwnd; }
    QWidget* Widget() const { return m_widget; }
    // The widget the peers of child windows go in, and where the model's client area
    // starts in it.
    virtual QWidget* ChildHost() const { return m_widget; }
    virtual QPoint ClientOffset() const;
    // Whether the peers of the window's children go inside this one (a control shows its
    // own parts, such as a combo box's edit or a list view's header).
    virtual bool HostsChildren() const { return false; }
    // The widget that takes the keyboard focus for the window.
    virtual QWidget* FocusWidget() const { return m_widget; }

    // Brings the widget up to date for the events in `events` (bits of MvWindowEvent).
    void Sync(unsigned events);
    // Places the widget in its parent peer (children) and everything that follows from
    // the model's rectangle.
    virtual void SyncGeometry(DesktopPeer* parent);
    virtual void SyncText() {}
    virtual void SyncState() {}
    virtual void SyncStyle() { SyncState(); }
    virtual void SyncMenu() {}
    virtual void SyncPaint() {}
    virtual void SyncVisible();
    void SyncEnabled();

    // The model's caption.
    QString ModelText() const;
    // The accessible name: the caption, else the text of the label before the control, else
    // (for the first control of a panel) the panel's caption.
    virtual QString AccessibleName() const;
    // Gives the widget (and its parts) the accessible name.
    virtual void SyncName();

    // The peer that shows hwnd, when the widget belongs to one.
    static HWND WindowOf(const QWidget* widget);

protected:
    // Whether the window's text is its caption; an edit's or a combo box's is its content.
    virtual bool CaptionNames() const { return true; }
    bool Syncing() const { return m_syncing > 0; }
    class SyncScope {
    public:
        explicit SyncScope(DesktopPeer& peer) : m_peer(peer) { ++m_peer.m_syncing; }
        ~SyncScope() { --m_peer.m_syncing; }
        SyncScope(const SyncScope&) = delete;
        SyncScope& operator=(const SyncScope&) = delete;

    private:
        DesktopPeer& m_peer;
    };
    // A control's notices through its parent, as the models send them.
    DWORD Style() const;
    void Tag(QWidget* widget) const;

private:
    void RenameLabelled();
    HWND m_hwnd;
    QPointer<QWidget> m_widget;
    int m_syncing = 0;
};

// Removes the mnemonic ampersands of a caption ("&&" stays one '&').
QString DesktopPlainCaption(const QString& caption);
// A caption with the window system's mnemonic marks as Qt writes them.
QString DesktopQtCaption(const std::string& caption);
