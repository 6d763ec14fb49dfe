#pragma once
// The built-in video and audio targets of the device families the converter knows.
class CTargetDecisions;

class UTargetPresets {
public:
    enum EFamily { kIPod, kPsp, kPmc, kZenVision, kZune, kArchos, kCellPhone, kFamilyCount };

    // Adds the family's video target, then its audio target; one that exists stays as it is.
    static void Add(CTargetDecisions& decisions, EFamily family);
};
