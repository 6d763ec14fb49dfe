#include "CTaskBarDialog2.h"

CTaskBarDialog2::CTaskBarDialog2(unsigned templateId, CWnd* parent) : CTaskBarDialog(templateId, parent) {}

bool CTaskBarDialog2::ListenToMessage(long message, const void* p, const void* q)
{
    if (message != kIconRotatorChangedMessage) return CListener::ListenToMessage(message, p, q);
    SetTrayIcon();
    return true;
}
