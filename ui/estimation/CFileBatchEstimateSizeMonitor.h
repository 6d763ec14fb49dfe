#pragma once
// The size estimates of a file batch: its output settings over its media list.
#include "CMediaBatchEstimateSizeMonitor.h"

class CFileBatch2;

class CFileBatchEstimateSizeMonitor : public CMediaBatchEstimateSizeMonitor {
public:
    CFileBatchEstimateSizeMonitor() = default;
    CFileBatchEstimateSizeMonitor(const CFileBatchEstimateSizeMonitor& other) = default;
    CFileBatchEstimateSizeMonitor& operator=(const CFileBatchEstimateSizeMonitor& other) = default;
    ~CFileBatchEstimateSizeMonitor() override = default;

    void SetFileBatch(CFileBatch2* batch);
};
