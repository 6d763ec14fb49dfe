#pragma once
// Whether the application window is minimized while it works.
#include "CPersistObject.h"

class CAppControl : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CAppControl)
public:
    CAppControl() = default;
    CAppControl(const CAppControl& other) = default;
    CAppControl& operator=(const CAppControl& other);
    ~CAppControl() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual bool ValidateMinimize(bool minimize);
    virtual void SideEffectMinimizeChanged();

    bool SetMinimize(bool minimize);
    bool GetMinimize() const { return m_minimize; }

    static constexpr LONG kMinimizeChangedNotice = FourCharCode("hotl");
    static const char* const kAppControlMinimizeTag;

private:
    bool m_minimize = false;
};
