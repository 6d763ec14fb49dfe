#pragma once
// Internal: the object behind a region handle.
#include "win32/GdiObject.h"
#include "win32/RegionShape.h"

class GdiRegion : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Region;
    GdiRegion() : GdiObject(GdiKind::Region) {}
    explicit GdiRegion(RegionShape shape) : GdiObject(GdiKind::Region), mShape(std::move(shape)) {}
    RegionShape mShape;
};
