#pragma once
// Splits one camera's processing video by a smart tee: its preview output to the screen,
// its capture output to the recording. The audio is the input's.
#include "CBridgeFilters.h"

#include <memory>

class CSmartTeeFilter;

class CVideoCaptureBridge : public CBridgeFilters {
public:
    explicit CVideoCaptureBridge(CDirectShowGraph* graph = nullptr);
    ~CVideoCaptureBridge() override;

    bool VerifyInput() override;
    bool Connect() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;

protected:
    std::vector<CDirectShowFilter*> Filters() override;

private:
    std::unique_ptr<CSmartTeeFilter> m_tee;
};
