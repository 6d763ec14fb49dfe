#pragma once
// The advanced video options: grey scale, and "do not re-encode", which a grey-scale output
// cannot have.
#include "CAdvTrackOutputController.h"

class CAdvVideoOutputController : public CAdvTrackOutputController {
public:
    CAdvVideoOutputController();
    ~CAdvVideoOutputController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetObjectSelf(CPersistObject* object) override;
    void Refresh() override;
    bool ShowRemux() override;
    virtual void ReflectGreyScale();
    virtual void EnterGreyScale();

    void SetMoreControls(CButton* greyScale) { m_greyScale = greyScale; }

private:
    CButton* m_greyScale = nullptr;
};
