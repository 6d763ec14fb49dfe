#include "CActionList.h"

CActionList* CActionList::sActionList = nullptr;

CActionList::CActionList()
{
    sActionList = this;
}

CActionList::~CActionList()
{
    sActionList = nullptr;
    mCurrent = nullptr;
    mActions.DeleteAll();
}

void CActionList::AddAction(CAction* action)
{
    if (!action)
        return;
    // An action recorded again must not be deleted by the clearing below.
    int index = mActions.GetIndex(action);
    if (index >= 0) {
        if (mCurrent == action)
            mCurrent = mActions.GetAt(index - 1);
        mActions.Remove(action);
    }
    ClearAfter(mCurrent);
    mActions.Add(action);
    mCurrent = action;
}

void CActionList::ClearAfter(CAction* action)
{
    int keep = 0;
    if (action) {
        int index = mActions.GetIndex(action);
        if (index < 0)
            return;
        keep = index + 1;
    }
    for (int i = mActions.GetCount() - 1; i >= keep; --i) {
        CAction* doomed = mActions.GetAt(i);
        mActions.Remove(doomed);
        if (doomed == mCurrent)
            mCurrent = action;
        delete doomed;
    }
}

bool CActionList::CanDo() const
{
    if (mCurrent)
        return mActions.GetIndex(mCurrent) + 1 < mActions.GetCount();
    return mActions.GetCount() > 0;
}

void CActionList::Do()
{
    CAction* next = mActions.GetAt(mCurrent ? mActions.GetIndex(mCurrent) + 1 : 0);
    if (next && next->Do(false))
        mCurrent = next;
}

void CActionList::Undo()
{
    if (mCurrent && mCurrent->Undo())
        mCurrent = mActions.GetAt(mActions.GetIndex(mCurrent) - 1);
}
