#pragma once
// Whether DVD input merges seamless cells into one unit.
#include "CSettingDvdRip.h"
#include "TCheckSettingController.h"

class CDvdRipSettingsController : public TCheckSettingController<CSettingDvdRip> {
public:
    CDvdRipSettingsController() : TCheckSettingController(FourCharCode("dvrp")) {}
};
