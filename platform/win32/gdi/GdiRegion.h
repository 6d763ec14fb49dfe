#pragma once
// Internal: the object behind a region handle.
#include "win32/gdi/GdiObject.h"
#include "win32/gdi/RegionShape.h"

class GdiRegion : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Region;
    GdiRegion() : GdiObject(GdiKind::Region) {}
    explicit GdiRegion(RegionShape shape) : GdiObject(GdiKind::Region), mShape(std::move(shape)) {}
    RegionShape mShape;
};
