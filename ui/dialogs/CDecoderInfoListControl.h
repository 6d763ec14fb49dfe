#pragma once
// The decoders of a decoder list, in the order they are tried: name, class id, and whether
// each is a DirectX Media Object.
#include "CObjectListControl.h"

class CDecoderInfoListControl : public CObjectListControl {
public:
    void CreateListHeaders() override;
    CString GetObjectText(CPersistObject* object, int column, bool forToolTip) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    // Row images of 16 by 15 pixels from bitmap 11067.
    UINT GetImageListResource(int& width, int& height) override;
    // The dialog's list was made from its template, so no creation set its images up; the
    // picture is this library's own.
    void InstallRowImages();
};
