#pragma once
// The conversion presets of the preset decisions, one row each: platform, name and media,
// added, edited, removed and reordered through the preset dialog.
#include "CDecisionsListControl.h"

class CTargetConversion;

class CConversionTargetListControl : public CDecisionsListControl {
public:
    CPersistList* GetList(CPersistObject* object) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void CreateListHeaders() override;
    CString GetObjectText(CPersistObject* object, int column, bool full) override;
    int GetObjectImage(CPersistObject* object) override;

    // A preset equal in platform, name and media type to one listed is not added.
    void Add();
    void Edit();
    void Remove();

    // "Video", "Audio", "Image", or "-" for any other type.
    static const char* GetMediaText(LONG mediaType);

protected:
    LONG GetItemType() const override;
    void TakeOut(CPersistObject* item) override;
    void PutBack(CPersistObject* item, int index) override;

private:
    CTargetConversion* GetSelectedTarget();
};
