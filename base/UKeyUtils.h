#pragma once
// Whether a modifier key is down, as the calling thread's input state has it.
class UKeyUtils {
public:
    static bool IsControlDown();
    static bool IsShiftDown();
    static bool IsAltDown();
};
