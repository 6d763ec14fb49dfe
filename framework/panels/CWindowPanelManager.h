#pragma once
// Arranges expandable panels inside a container panel and asks the container's host
// for the height they need.
#include "CPanelManager.h"

class CWindowPanelManager : public CPanelManager {
public:
    void Arrange() override;
    // Width 0: the client width of the host's parent (of the host without a parent).
    void ArrangeToWidth(int width) override;
};
