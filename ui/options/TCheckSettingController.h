#pragma once
// An on/off engine setting shown by one check box.
#include "CObjectController2.h"
#include "UWindowsUtils.h"

class CButton;

template <class Setting>
class TCheckSettingController : public CObjectController2 {
public:
    explicit TCheckSettingController(LONG type) { mExpectedType = type; }

    void SetControls(CButton* check) { m_check = check; }
    void Refresh() override { Reflect(); }
    bool Respond(long code, CBroadcaster* sender, long a, long b) override
    {
        if (code != Setting::kChangedNotice) return CObjectController2::Respond(code, sender, a, b);
        Reflect();
        return true;
    }
    void Reflect()
    {
        if (GetSetting()) UWindowsUtils::SetCheck(m_check, GetSetting()->GetValue());
    }
    void Enter()
    {
        if (GetSetting() && m_check && !GetSetting()->SetValue(UWindowsUtils::GetCheck(m_check))) Reflect();
    }

private:
    Setting* GetSetting() const { return static_cast<Setting*>(GetObjectA()); }
    CButton* m_check = nullptr;
};
