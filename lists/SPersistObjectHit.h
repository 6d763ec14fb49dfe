#pragma once
// The question a drop target asks the window under the pointer: which object lies at a
// client point. The window fills in the object, or leaves it as it was.
class CPersistObject;

inline constexpr unsigned kPersistObjectHitMessage = 1125;

struct SPersistObjectHit {
    CPersistObject* object;
    int x;
    int y;
};
