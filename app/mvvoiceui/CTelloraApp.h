#pragma once
// The speaking program's application: the engine set up for audio only, the speech
// system and the main window.
#include "CMorvaneEncodingApp.h"

class CSpeechSystem;
class CTelloraFrame;

class CTelloraApp : public CMorvaneEncodingApp {
public:
    static constexpr unsigned long kApplicationId = 98102;

    CTelloraApp();
    BOOL InitInstance() override;
    int ExitInstance() override;
    CTelloraFrame* GetFrame() const;
    unsigned long GetApplicationId() const { return m_applicationId.GetId(); }

protected:
    DECLARE_MESSAGE_MAP()

private:
    CSpeechSystem* m_speechSystem = nullptr;
};
