#pragma once
// A peer of a control model: reads the model's state and hands it the user's actions.
#include "desktop/DesktopPeer.h"
#include "win32/controls/CtlWindow.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

template <class Model> class DesktopControlPeer : public DesktopPeer {
public:
    using DesktopPeer::DesktopPeer;

protected:
    Model* M() const { return CtlModelAs<Model>(Window()); }
    // After a user's action: the widget shows what the model made of it (a refused change
    // goes back, a changed one stays).
    void Resync()
    {
        if (!M() || !Widget()) return;
        SyncScope scope(*this);
        SyncState();
    }
};
