#pragma once
// The queue of conversions for the portable player: the conversion list's rows without the
// size estimate.
#include "CMediaConversionListControl.h"

class CPspConversionListControl : public CMediaConversionListControl {
public:
    CPspConversionListControl();

    void CreateListHeaders() override;
    CString GetObjectText(CPersistObject* object, int column, bool full) override;
};
