#pragma once
// The decoders of a decoder list, in the order they are tried: name, class id, and whether
// each is a DirectX Media Object.
#include "CObjectListControl.h"

class CDecoderInfoListControl : public CObjectListControl {
public:
    void CreateListHeaders() override;
    CString GetObjectText(CPersistObject* object, int column, bool forToolTip) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
};
