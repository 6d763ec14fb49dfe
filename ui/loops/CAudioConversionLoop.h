#pragma once
// Converts the files of a media batch to its audio output, one conversion administrator a file.
#include "CMediaConversionLoop.h"

class CAudioConversionLoop : public CMediaConversionLoop {
public:
    CDirectShowAdministrator2* CreateAdministratorSelf() override;
    bool ProcessItem() override;
    double GetProgress() override;
    CProgressAction* GetChildAction() override;
};
