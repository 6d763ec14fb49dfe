#include "CDeviceController.h"

#include "CDeviceWindow.h"
#include "CHiddenWindow.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

CDeviceController* CDeviceController::sController = nullptr;

CDeviceController::CDeviceController() : m_hwnd(CDeviceWindow::Open(this))
{
    sController = this;
}

CDeviceController::~CDeviceController()
{
    if (sController == this) sController = nullptr;
    Stop();
}

void CDeviceController::Stop()
{
    // The window object dies with the window, and its broadcaster lets go of us.
    if (m_hwnd && IsWindow(m_hwnd)) SendMessageA(m_hwnd, kHiddenWindowCloseMessage, 0, 0);
    m_hwnd = nullptr;
}

bool CDeviceController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message != kDeviceWindowChangeMessage) return CListener::ListenToMessage(message, p, q);
    Broadcast(kDeviceChangeMessage, p, q);
    return true;
}
