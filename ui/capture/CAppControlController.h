#pragma once
// Edits whether the application is minimized while it records, on whatever page holds the
// check box.
#include "CObjectController2.h"

class CAppControl;
class CButton;

class CAppControlController : public CObjectController2 {
public:
    CAppControlController();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CButton* minimize);
    void ReflectMinimize();
    void EnterMinimize();

    CAppControl* GetAppControl() const;

private:
    CButton* m_minimize = nullptr;
};
