#pragma once
// A named input connector of an audio capture device.
#include "CNamedObject.h"

class CAudioCaptureConnector2 : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CAudioCaptureConnector2)
public:
    CAudioCaptureConnector2() = default;
    CAudioCaptureConnector2(const CAudioCaptureConnector2&) = default;
    CAudioCaptureConnector2& operator=(const CAudioCaptureConnector2&) = default;
    ~CAudioCaptureConnector2() override = default;

    const char* GetNameText() const { return GetName(); }

    static constexpr LONG kType = FourCharCode("acc2");
};
