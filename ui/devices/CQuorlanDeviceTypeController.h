#pragma once
// Chooses the device the converter works for. Choosing one selects that device's settings
// (made when missing) and binds the profile, quality, save-folder, sync and platform
// information pages to them.
#include "CObjectController2.h"
#include "afx/CString.h"

class CComboBox;
class CObjectPanel;
class CPortableMediaConversion;
class CQuorlanData;
class CTargetPlatform;

class CQuorlanDeviceTypeController : public CObjectController2 {
public:
    CQuorlanDeviceTypeController();
    ~CQuorlanDeviceTypeController() override;

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetObjectSelf(CPersistObject* object) override;
    void SetDefault() override;
    void Refresh() override;
    char* GetText() override;

    virtual void UpdateTarget();
    virtual void SetTarget(CPortableMediaConversion* settings);
    virtual void PopulateDeviceTypeCombo();
    virtual void ReflectDeviceType();

    // With a filter, only the platform of exactly that name is offered, active or not.
    void SetFilter(const char* filter) { m_filter = filter ? filter : ""; }
    void SetControls(CComboBox* deviceType);
    void SetPanels(CObjectPanel* profile, CObjectPanel* quality, CObjectPanel* saveFolder, CObjectPanel* sync,
                   CObjectPanel* info);
    bool CanSync();
    // The device's platform when it has notes to show.
    CTargetPlatform* GetPlatformforInfo();
    void EnterDeviceType();

    CQuorlanData* GetData() const;
    CPortableMediaConversion* GetTarget() const { return m_settings; }

private:
    // The platform named like the selected device, made when missing; none without decisions.
    CTargetPlatform* GetPlatform();
    void BindPanels();

    CPortableMediaConversion* m_settings = nullptr;
    CString m_filter;
    CComboBox* m_deviceType = nullptr;
    CObjectPanel* m_profile = nullptr;
    CObjectPanel* m_quality = nullptr;
    CObjectPanel* m_saveFolder = nullptr;
    CObjectPanel* m_sync = nullptr;
    CObjectPanel* m_info = nullptr;
};
