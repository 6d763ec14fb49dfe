#include "win32/gdi/GdiDc.h"

#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/GdiBrush.h"
#include "win32/fonts/GdiFont.h"
#include "win32/gdi/GdiPen.h"
#include "win32/gdi/GdiScreen.h"
#include "win32/gdi/GdiStock.h"

GdiDc::GdiDc(Type type) : GdiObject(GdiKind::Dc), mType(type)
{
    GdiStock& stock = GdiStock::Instance();
    mState.pen = stock.Pen(7);
    mState.brush = stock.Brush(0);
    mState.font = stock.Font();
    if (type == Type::Memory) mState.bitmap = stock.DefaultBitmap();
    Hold(mState, 1);
}

GdiDc::~GdiDc()
{
    Hold(mState, -1);
    for (auto& saved : mSaved) Hold(saved, -1);
}

void GdiDc::Hold(State& state, int delta)
{
    GdiObject* objects[] = {state.pen, state.brush, static_cast<GdiObject*>(state.font), state.bitmap};
    for (GdiObject* object : objects)
        if (object) object->mSelected += delta;
}

GdiBitmap* GdiDc::Target() const
{
    return mType == Type::Screen ? &GdiScreen::Instance().Raster() : mState.bitmap;
}

RegionShape GdiDc::Clip() const
{
    GdiBitmap* target = Target();
    RegionShape area(RECT{0, 0, target ? target->Width() : 0, target ? target->Height() : 0});
    if (hasSystemClip) area = RegionShape::Combine(area, systemClip, RegionShape::Op::And);
    if (mState.hasClip) area = RegionShape::Combine(area, mState.clip, RegionShape::Op::And);
    return area;
}

GdiObject* GdiDc::Select(GdiObject* object)
{
    if (!object) return nullptr;
    GdiObject* previous = nullptr;
    switch (object->Kind()) {
    case GdiKind::Pen: previous = mState.pen; mState.pen = static_cast<GdiPen*>(object); break;
    case GdiKind::Brush: previous = mState.brush; mState.brush = static_cast<GdiBrush*>(object); break;
    case GdiKind::Font:
        previous = static_cast<GdiObject*>(mState.font);
        mState.font = static_cast<GdiFont*>(object);
        break;
    case GdiKind::Bitmap: {
        auto* bitmap = static_cast<GdiBitmap*>(object);
        // A bitmap lives in one memory context at a time.
        if (mType != Type::Memory || (bitmap->mSelected > 0 && bitmap != mState.bitmap && !bitmap->IsStock())) return nullptr;
        previous = mState.bitmap;
        mState.bitmap = bitmap;
        break;
    }
    default: return nullptr;
    }
    if (previous) previous->mSelected--;
    object->mSelected++;
    return previous;
}

int GdiDc::Save()
{
    mSaved.push_back(mState);
    Hold(mSaved.back(), 1);
    return static_cast<int>(mSaved.size());
}

bool GdiDc::Restore(int level)
{
    int count = static_cast<int>(mSaved.size());
    if (level < 0) level = count + 1 + level;
    if (level < 1 || level > count) return false;
    Hold(mState, -1);
    mState = mSaved[static_cast<size_t>(level - 1)];
    for (int i = level - 1; i < count; ++i) Hold(mSaved[static_cast<size_t>(i)], -1);
    mSaved.resize(static_cast<size_t>(level - 1));
    Hold(mState, 1);
    return true;
}
