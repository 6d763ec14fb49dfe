#pragma once
// Converts a batch for the portable player: every file goes into the player's movie folder
// under the save folder and replaces what is there.
#include "CConversionLoop.h"

class CPspConversionLoop : public CConversionLoop {
public:
    CDirectShowAdministrator2* CreateAdministratorSelf() override;
    void PrepareSaveFile() override;

    static constexpr const char* kMovieFolder = "MP_ROOT/100MNV01/";
};
