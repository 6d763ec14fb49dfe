#pragma once
// The image list's front end: prompts for pictures or takes dropped ones, checks them on a
// worker thread behind a progress dialog and hands the accepted images to its owner, who
// takes what it keeps out of the item list on kImagesVerifiedMessage.
#include "CBroadcaster.h"
#include "CImageFileCheckThread.h"
#include "CListener.h"
#include "CPointerList.h"
#include "CProgressDialog2.h"

inline constexpr long kImagesVerifiedMessage = 5548342;

class CImageFileAdder : public CListener, public CBroadcaster {
public:
    CImageFileAdder();
    CImageFileAdder(const CImageFileAdder&) = delete;
    CImageFileAdder& operator=(const CImageFileAdder&) = delete;
    ~CImageFileAdder() override;

    // The open prompt, several files at once.
    void Add();
    void AddDroppedFiles(HDROP drop);

    // The accepted images (CImageFile2*), owned until taken; filled for the broadcast only.
    CPointerList& GetItemList() { return m_items; }
    CImageFileCheckThread& GetWorker() { return m_worker; }
    CProgressDialog2& GetProgressDialog() { return m_progress; }

    bool ListenToMessage(long message, const void* p, const void* q) override;

private:
    void StartChecking();
    void FinishAdd();
    void DeleteItems();

    CPointerList m_items;
    CProgressDialog2 m_progress{500, nullptr};
    CImageFileCheckThread m_worker;
};
