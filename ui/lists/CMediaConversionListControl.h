#pragma once
// The conversions of a batch, one row each: the input, its duration and summaries, where
// it is saved, the estimated size and the status.
#include "CMediaItemListControl.h"

class CConversionList;
class CMediaConversionData;

class CMediaConversionListControl : public CMediaItemListControl {
public:
    CMediaConversionListControl(bool audio, bool video, bool requireAudio);

    CPersistList* GetList(CPersistObject* object) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void CreateListHeaders() override;
    UINT GetImageListResource(int& width, int& height) override;
    CString GetObjectText(CPersistObject* object, int column, bool full) override;

    CMediaConversionData* GetSelectedFile();

protected:
    LONG GetItemType() const override { return FourCharCode("mcdt"); }
    CMediaFile2* GetItemFile(CPersistObject* item) override;
    // A new conversion gets a copy of the file, which is then deleted.
    void TakeFile(CMediaFile2* file) override;
    void DeleteItem(CPersistObject* item) override;

private:
    CConversionList* GetConversionList();
};
