#pragma once
// Shows a DV camcorder while its untouched DV stream, from a smart tee's capture output,
// stays a stream pin for recording.
#include "CDvBridge.h"

class CSmartTeeFilter;

class CDvCaptureBridge : public CDvBridge {
public:
    explicit CDvCaptureBridge(CDirectShowGraph* graph = nullptr);
    ~CDvCaptureBridge() override;

    bool Connect() override;
    int GetStreamPinCount() override;
    CFilterPin* GetStreamPin(int index) override;

protected:
    std::vector<CDirectShowFilter*> Filters() override;

    std::unique_ptr<CSmartTeeFilter> m_tee;
};
