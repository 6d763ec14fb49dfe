#pragma once
// The undo/redo history: the actions in the order done, with the last one done current.
#include "CAction.h"
#include "TOwnedList.h"

class CActionList {
public:
    CActionList();
    CActionList(const CActionList&) = delete;
    CActionList& operator=(const CActionList&) = delete;
    virtual ~CActionList();

    // Drops the undone actions after the current one, then appends the action as current.
    void AddAction(CAction* action);
    // Deletes every action after the given one (every action for null).
    void ClearAfter(CAction* action);

    bool CanDo() const;
    bool CanUndo() const { return mCurrent != nullptr; }
    void Do();
    void Undo();

    CAction* GetCurrent() const { return mCurrent; }
    int GetActionCount() const { return mActions.GetCount(); }
    CAction* GetAction(int index) const { return mActions.GetAt(index); }

    // The list that recorded actions go to: the one constructed last.
    static CActionList* sActionList;

private:
    TOwnedList<CAction> mActions;
    CAction* mCurrent = nullptr;
};
