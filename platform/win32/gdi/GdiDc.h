#pragma once
// Internal: the state behind a device-context handle.
#include "win32/gdi/GdiObject.h"
#include "win32/gdi/RegionShape.h"

#include <vector>

class GdiBitmap;
class GdiBrush;
class GdiFont;
class GdiPen;

class GdiDc : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Dc;
    enum class Type { Memory, Screen };

    struct State {
        GdiPen* pen = nullptr;
        GdiBrush* brush = nullptr;
        GdiFont* font = nullptr;
        GdiBitmap* bitmap = nullptr;
        bool hasClip = false;
        RegionShape clip;  // device coordinates
        POINT origin{0, 0};
        POINT position{0, 0};
        COLORREF textColor = 0;
        COLORREF bkColor = 0xFFFFFF;
        COLORREF dcBrushColor = 0xFFFFFF;
        COLORREF dcPenColor = 0;
        int bkMode = 2;
        int rop2 = 13;
        int stretchMode = 1;
        int polyFillMode = 1;
        UINT textAlign = 0;
    };

    explicit GdiDc(Type type);
    ~GdiDc() override;

    Type GetType() const { return mType; }
    State& Current() { return mState; }
    const State& Current() const { return mState; }
    // The raster drawn on: the screen's, or the selected bitmap.
    GdiBitmap* Target() const;
    // The area that may be drawn, in device coordinates, limited to the target.
    RegionShape Clip() const;

    // Selects a pen, brush, font or bitmap; returns the previous one of that kind, null on failure.
    GdiObject* Select(GdiObject* object);
    int Save();
    bool Restore(int level);

    bool hasSystemClip = false;
    RegionShape systemClip;

    POINT ToDevice(int x, int y) const { return POINT{x + mState.origin.x, y + mState.origin.y}; }
    RECT ToDevice(const RECT& r) const
    {
        return RECT{r.left + mState.origin.x, r.top + mState.origin.y, r.right + mState.origin.x,
                    r.bottom + mState.origin.y};
    }

private:
    static void Hold(State& state, int delta);

    Type mType;
    State mState;
    std::vector<State> mSaved;
};
