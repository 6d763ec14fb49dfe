#pragma once
// Whether the application minimises to the system tray while recording.
#include "CSettingMinimizeTaskBar.h"
#include "TCheckSettingController.h"

class CMinimizeTaskBarController : public TCheckSettingController<CSettingMinimizeTaskBar> {
public:
    CMinimizeTaskBarController() : TCheckSettingController(FourCharCode("mitb")) {}
};
