#pragma once
// Objects and a recording listener for the list control tests.
#include "../../framework/tests/ControlTestSupport.h"
#include "CListener.h"
#include "CObjectDisplay.h"
#include "CPersistList.h"
#include "CPersistObject.h"
#include "SNotifyRecord.h"
#include "afx/CString.h"

#include <string>
#include <vector>

// A named object with a tick; a change of either is notice 1 (the object changed).
class CTestItem : public CPersistObject {
public:
    explicit CTestItem(const char* name, bool checked = false) : mName(name), mChecked(checked) {}
    void SetName(const char* name)
    {
        mName = name;
        Notify(kObjectChangedNotice, 0, 0);
    }
    void SetChecked(bool checked)
    {
        mChecked = checked;
        Notify(kObjectChangedNotice, 0, 0);
    }
    const CString& Name() const { return mName; }
    bool Checked() const { return mChecked; }

private:
    CString mName;
    bool mChecked;
};

inline CTestItem* Item(CPersistObject* object) { return static_cast<CTestItem*>(object); }

// A list owning `count` items named "item 0", "item 1" ...
inline void Fill(CPersistList& list, int count, int first = 0)
{
    for (int i = first; i < first + count; ++i)
        list.Add(new CTestItem(("item " + std::to_string(i)).c_str()));
}

// Records the selection broadcasts of a display tree.
class SelectionLog : public CListener {
public:
    struct Entry {
        CObjectDisplay* display;
        bool selected;
    };
    std::vector<Entry> entries;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == kDisplaySelectionMessage)
            entries.push_back({static_cast<CObjectDisplay*>(const_cast<void*>(p)), *static_cast<const bool*>(q)});
        return CListener::ListenToMessage(message, p, q);
    }
};
