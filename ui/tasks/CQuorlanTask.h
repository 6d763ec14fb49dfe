#pragma once
// The device video converter's batch conversion, run as a loop with the progress dialog.
#include "CDxLoopTask.h"

class CQuorlanData;

class CQuorlanTask : public CDxLoopTask {
public:
    CQuorlanTask();

    // Holds the document; the batch writes into the selected device's folder when the
    // user keeps settings for that device.
    void SetData(CQuorlanData* document);
    CQuorlanData* GetData() const { return m_document; }

    ESplitterType GetSplitter() override { return 0; }
    CString GetError() override;
    CDxLoop2* CreateLoopSelf() override;

private:
    CQuorlanData* m_document = nullptr;
};
