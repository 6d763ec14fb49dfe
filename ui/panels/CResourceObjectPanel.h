#pragma once
// A settings page whose dialog template is chosen, when the page is built, from its base
// template and an application id: applications show their own layout of one page class.
#include "CObjectPanel.h"

class CResourceObjectPanel : public CObjectPanel {
public:
    // Application id 0 stands for the running application.
    CResourceObjectPanel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent);

    // The template a page of that base template shows in that application.
    static unsigned ChooseTemplate(unsigned baseTemplate, unsigned long applicationId);
};
