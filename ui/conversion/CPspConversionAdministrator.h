#pragma once
// Converts for the portable player: besides the file it writes a small thumbnail beside it,
// under the same name with the extension "THM", and fits the picture to the player's screen.
#include "CMediaConversionAdministrator2.h"

class CPspConversionAdministrator : public CMediaConversionAdministrator2 {
public:
    bool CreateProcessingOutputFilters() override;
    CString GetThumbnailFilePath() override;
};
