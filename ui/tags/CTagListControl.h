#pragma once
// The tags of a media file as a report of names and values; tags are added and edited
// through the tag dialog and removed by selection.
#include "CObjectListControl.h"

class CNamedValue;

class CTagListControl : public CObjectListControl {
public:
    CPersistList* GetList(CPersistObject* object) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void CreateListHeaders() override;
    CString GetObjectText(CPersistObject* object, int column, bool forToolTip) override;
    bool CanDelete() override;
    // Removes the selected tags.
    void Delete() override;

    // A new tag from the tag dialog; a name already there gets the new value instead.
    virtual void Add();
    // The selected tag's value from the tag dialog; its name stays.
    virtual void Edit();

private:
    CNamedValue* GetSelectedTag();
};
