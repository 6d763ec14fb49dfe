#pragma once
// An external device's transport (a DV camcorder's tape), as a capture filter offers it.
// No device of this machine offers it: DV (IEEE 1394) devices are not listed here.
#include "com/Unknown.h"
#include "win32/WinTypes.h"

// The device: what kind it is (capability 4103 answers 4104 for a tape recorder).
struct IAMExtDevice : IUnknown {
    static constexpr IID kIid = {0xB5730A90, 0x1A2C, 0x11CF, {0x8C, 0x23, 0x00, 0xAA, 0x00, 0x6B, 0x68, 0x14}};
    using Base = IUnknown;
    virtual HRESULT GetCapability(LONG capability, LONG* value, double* doubleValue) = 0;
};

// The transport: its mode (4296 play, 4297 stop, 4298 pause, 4300 and 4301 wind, ...).
struct IAMExtTransport : IUnknown {
    static constexpr IID kIid = {0xA03CD5F0, 0x3045, 0x11CF, {0x8C, 0x44, 0x00, 0xAA, 0x00, 0x6B, 0x68, 0x14}};
    using Base = IUnknown;
    virtual HRESULT put_Mode(LONG mode) = 0;
    virtual HRESULT get_Mode(LONG* mode) = 0;
};
