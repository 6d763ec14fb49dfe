#pragma once
// A row that also listens to parts of its object (an output file, an input) and is
// redrawn when any of them, or the object, sends one of the notices the row shows.
#include "CObjectListDisplay.h"

#include <vector>

class CWatchingListDisplay : public CObjectListDisplay {
public:
    explicit CWatchingListDisplay(CObjectDisplay* parent = nullptr) : CObjectListDisplay(parent) {}
    CWatchingListDisplay(const CWatchingListDisplay&) = delete;
    CWatchingListDisplay& operator=(const CWatchingListDisplay&) = delete;
    ~CWatchingListDisplay() override;

    bool SetObject(CPersistObject* object) override;
    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;

protected:
    // The parts of the object to listen to besides the object itself.
    virtual std::vector<CBroadcaster*> GetWatchedParts(CPersistObject* object) = 0;
    virtual bool ChangesRow(long code) = 0;

private:
    void Watch(const std::vector<CBroadcaster*>& parts);

    std::vector<CBroadcaster*> m_parts;
};
