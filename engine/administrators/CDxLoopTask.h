#pragma once
// A task that runs a loop over items with the progress dialog open.
#include "CDxTask.h"

class CDxLoop2;

class CDxLoopTask : public CDxTask {
public:
    CDxLoopTask() = default;
    ~CDxLoopTask() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool StartSelf() override;
    void StopSelf() override;
    virtual CDxLoop2* CreateLoop() { return CreateLoopSelf(); }
    virtual CDxLoop2* CreateLoopSelf() = 0;
    virtual void OnItemEnd() {}

    CDxLoop2* GetLoop() const { return m_loop; }
    void SetProgressTitle(const char* title) { m_progressTitle = title ? title : ""; }

protected:
    CDxLoop2* m_loop = nullptr;
    CString m_progressTitle;
};
