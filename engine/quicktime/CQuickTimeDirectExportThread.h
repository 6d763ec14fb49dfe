#pragma once
// The thread on which a direct exporter runs QuickTime's export; its argument is the exporter.
#include "CSimpleWorkerThread.h"

class CQuickTimeDirectExportThread : public CSimpleWorkerThread {
public:
    ~CQuickTimeDirectExportThread() override;
    void ExecuteSelf(long exporter) override;
};
