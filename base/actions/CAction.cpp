#include "CAction.h"

#include "CActionList.h"

bool CAction::Do(bool record)
{
    if (DoSelf()) {
        mDone = true;
        if (record && CActionList::sActionList)
            CActionList::sActionList->AddAction(this);
    }
    return mDone;
}

bool CAction::Undo()
{
    if (UndoSelf())
        mDone = false;
    return !mDone;
}
