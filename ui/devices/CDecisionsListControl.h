#pragma once
// What the preset list and the platform list share: both show one list of the preset
// decisions they are bound to, act on the selected row, and move it up or down by taking it
// out of the list and putting it back one place further.
#include "CFastObjectListControl.h"

class CTargetDecisions;

class CDecisionsListControl : public CFastObjectListControl {
public:
    UINT GetImageListResource(int& width, int& height) override;

    // Nothing happens for the first row.
    void MoveUp();
    // Nothing happens for the last row.
    void MoveDown();

protected:
    CTargetDecisions* GetDecisions() const;
    // The object of the first selected row, when it is of the list's type; otherwise null.
    CPersistObject* GetSelectedItem();

    virtual LONG GetItemType() const = 0;
    // Takes the item out of the bound list without deleting it.
    virtual void TakeOut(CPersistObject* item) = 0;
    virtual void PutBack(CPersistObject* item, int index) = 0;

private:
    void Move(int step);
};
