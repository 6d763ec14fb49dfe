#pragma once
// Flashes a button's icon: while active, its timer alternates a normal and a flash icon.
#include "CListener.h"
#include "CTimer.h"

class CButton;

class CIconButtonFlasher : public CListener {
public:
    static constexpr UINT kPeriodMs = 500;

    CIconButtonFlasher();
    CIconButtonFlasher(const CIconButtonFlasher&) = delete;
    CIconButtonFlasher& operator=(const CIconButtonFlasher&) = delete;
    ~CIconButtonFlasher() override;

    // From the application's resources; shows the normal one.
    void SetIcons(UINT normalId, UINT flashId);
    void SetButton(CButton* button);
    void Activate(bool on);
    void SetCurrent(HICON icon);
    void Flash();
    HICON GetCurrent() const { return m_current; }
    HICON GetNormalIcon() const { return m_normal; }
    HICON GetFlashIcon() const { return m_flash; }
    bool IsActive() const { return m_timer.IsActive(); }

    bool ListenToMessage(long message, const void* p, const void* q) override;

private:
    CTimer m_timer;
    CButton* m_button = nullptr;
    HICON m_normal = nullptr;
    HICON m_flash = nullptr;
    HICON m_current = nullptr;
};
