#pragma once
// A DirectShow component shown by name in the component lists, and whether it is installed.
#include "CNamedObject.h"

class CDxObject : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CDxObject)
public:
    CDxObject() = default;
    CDxObject(const CDxObject& other) = default;
    CDxObject& operator=(const CDxObject& other);
    ~CDxObject() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual bool ValidateInstalled(bool installed);
    // The slot keeps the name stored class tables know it by.
    virtual void SInstalledeEffectInstalledChanged();

    bool SetInstalled(bool installed);
    bool GetInstalled() const { return m_installed; }

    static constexpr LONG kInstalledChangedNotice = FourCharCode("dxoc");

private:
    bool m_installed = false;
};
