#pragma once
// A capture device of the catalogue, with the mark the live device scan sets on the
// devices it finds present.
#include "CDxDeviceInfo.h"

class CCaptureDevice2 : public CDxDeviceInfo {
    MV_DECLARE_PERSIST_CLASS(CCaptureDevice2)
public:
    CCaptureDevice2() = default;
    CCaptureDevice2(const CCaptureDevice2&) = default;
    CCaptureDevice2& operator=(const CCaptureDevice2&) = default;
    ~CCaptureDevice2() override = default;

    void SetTempActivated(bool present) { m_tempActivated = present; }
    bool GetTempActivated() const { return m_tempActivated; }

    static constexpr LONG kType = FourCharCode("cap2");

private:
    bool m_tempActivated = false;
};
