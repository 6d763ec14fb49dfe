#pragma once
// Converts each kept slice of one input file through a conversion administrator.
#include "CMediaSliceLoop.h"

class CVideoConversionSliceLoop : public CMediaSliceLoop {
public:
    CDirectShowAdministrator2* CreateAdministratorSelf() override;
    bool ProcessItem() override;
    double GetProgress() override;
    CProgressAction* GetChildAction() override;
};
