#pragma once
// Names the output file of every item of a batch after the output type, also for items
// added later.
#include "COutputTypeFollower.h"

class CPersistList;
class CPersistObject;

class CMediaBatchFileNameMonitor : public COutputTypeFollower {
public:
    explicit CMediaBatchFileNameMonitor(bool audioOnly) : m_audioOnly(audioOnly) {}
    CMediaBatchFileNameMonitor(const CMediaBatchFileNameMonitor& other);
    CMediaBatchFileNameMonitor& operator=(const CMediaBatchFileNameMonitor& other);
    ~CMediaBatchFileNameMonitor() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;

    // A list of media files; listened to.
    void SetFiles(CPersistList* files);
    void Update();

private:
    void UpdateItem(CPersistObject* item);

    bool m_audioOnly;
    CPersistList* m_files = nullptr;
};
