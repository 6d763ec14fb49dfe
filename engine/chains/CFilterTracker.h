#pragma once
// The process's memory of which filter classes could be created.
#include "CPersistList.h"

class CFilterCheck;

class CFilterTracker {
public:
    CFilterTracker();
    CFilterTracker(const CFilterTracker&) = delete;
    CFilterTracker& operator=(const CFilterTracker&) = delete;

    // The first record of the id, or null.
    CFilterCheck* Find(const GUID& id) const;
    // True when the id has a record, with its answer.
    bool IsTested(const GUID& id, bool& installed) const;
    // Appends a record without looking for one of the same id.
    void Add(const GUID& id, bool installed);
    int GetCount() const { return m_checks.GetItemCount(); }

    static CFilterTracker sFilterTracker;

private:
    CPersistList m_checks{true};
};
