#include "CStackPanelInfo.h"

#include "CPanel.h"

bool CStackPanelInfo::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kPanelEnabledChangedMessage) Broadcast(kPanelEnabledChangedMessage, nullptr, nullptr);
    return CPanelInfo::ListenToMessage(message, p, q);
}
