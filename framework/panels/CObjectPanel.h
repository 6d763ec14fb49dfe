#pragma once
// A page bound to a data object through a controller; every settings page derives
// from it.
#include "CListener.h"
#include "CPanel.h"

class CObjectController2;
class CPersistObject;

class CObjectPanel : public CPanel, public CListener {
public:
    CObjectPanel(unsigned id, CWnd* parent);
    ~CObjectPanel() override;

    void Refresh() override;
    // The controllers' texts joined by ", "; validity from the primary controller.
    CString GetDetailedText(bool& valid) override;

    virtual void SetController(CObjectController2* controller);
    virtual void SetController2(CObjectController2* controller);
    // Each page builds or binds its controller here; runs in OnInitDialog.
    virtual void SetupController() = 0;
    virtual void SetObject(CPersistObject* object);

    CPersistObject* GetObject() const;
    CObjectController2* GetController() const { return m_controller; }
    CObjectController2* GetController2() const { return m_controller2; }
    void SetAutoShow(bool autoShow);
    // With auto-show the panel is enabled exactly while an object is bound.
    void ReflectObject();

    bool ListenToMessage(long message, const void* p, const void* q) override;
    BOOL OnInitDialog() override;

private:
    void Rebind(CObjectController2*& slot, CObjectController2* controller);

    CObjectController2* m_controller = nullptr;
    CObjectController2* m_controller2 = nullptr;
    bool m_autoShow = false;
};
