#pragma once
// One page of a panel stack: a caption with its panels; tells the stack when one of
// its panels is enabled or disabled.
#include "CBroadcaster.h"
#include "CPanelInfo.h"

class CStackPanelInfo : public CPanelInfo, public CBroadcaster {
public:
    CStackPanelInfo() = default;
    CStackPanelInfo(const CStackPanelInfo&) = default;
    CStackPanelInfo& operator=(const CStackPanelInfo&) = default;

    bool ListenToMessage(long message, const void* p, const void* q) override;
};
