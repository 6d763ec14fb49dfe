#pragma once
// One icon of an icon rotator: a resource id and the icon loaded from it.
#include "win32/WinTypes.h"

class CRunIcon {
public:
    CRunIcon() = default;
    CRunIcon(const CRunIcon&) = default;
    CRunIcon& operator=(const CRunIcon&) = default;
    virtual ~CRunIcon() = default;

    // From the current module's resources; false when there is no such icon.
    bool Load(UINT id);
    HICON GetIcon() const { return m_icon; }
    UINT GetId() const { return m_id; }

private:
    UINT m_id = 0;
    HICON m_icon = nullptr;
};
