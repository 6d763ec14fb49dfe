#pragma once
// A list of icons that, while rotating, steps through them on its own timer (one round a
// second) and announces every change of the current icon.
#include "CBroadcaster.h"
#include "CListener.h"
#include "CPointerList.h"
#include "CTimer.h"

class CRunIcon;

inline constexpr long kIconRotatorChangedMessage = 88342340;

class CIconRotator : public CBroadcaster, public CListener {
public:
    static constexpr UINT kRoundMs = 1000;

    CIconRotator();
    // The rotator owns its icons: copies are not offered.
    CIconRotator(const CIconRotator&) = delete;
    CIconRotator& operator=(const CIconRotator&) = delete;
    ~CIconRotator() override;

    void AddIcon(UINT id);
    void Reset();
    int GetIconCount() const { return m_icons.GetItemCount(); }
    void SetCurrent(int index);
    int GetCurrent() const { return m_current; }
    void Advance();
    void SetRotate(bool on);
    bool IsRotating() const { return m_rotating; }
    // Null (0) when the current index names no icon.
    HICON GetIcon() const;
    UINT GetId() const;
    const CTimer& GetTimer() const { return m_timer; }

    bool ListenToMessage(long message, const void* p, const void* q) override;

private:
    CRunIcon* Current() const;

    CTimer m_timer;
    CPointerList m_icons;
    int m_current = 0;
    bool m_rotating = false;
};
