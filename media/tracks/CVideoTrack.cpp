#include "CVideoTrack.h"

#include "CPersistStorage.h"

#include <algorithm>

MV_IMPLEMENT_PERSIST_CLASS(CVideoTrack, CMediaTrack, FourCharCode("vtrk"))

namespace {

const char* const kInfoTag = "info";
const char* const kAspectRatioTag = "aspect ratio";
const char* const kTransformationTag = "transformation";
const char* const kCropLeftTag = "crop left";
const char* const kCropTopTag = "crop top";
const char* const kCropRightTag = "crop right";
const char* const kCropBottomTag = "crop bottom";

// The first edge stays inside a picture of that size (at 0 for an empty one).
unsigned short FirstEdge(unsigned short edge, unsigned short size)
{
    return size == 0 ? 0 : std::min<unsigned short>(edge, size - 1);
}

// The far edge stays beyond the first one and inside the picture.
unsigned short FarEdge(unsigned short edge, unsigned short first, unsigned short size)
{
    if (edge <= first) return static_cast<unsigned short>(first + 1);
    return std::min(edge, size);
}

}

void CVideoTrack::SaveSelf(const char* name, CPersistStorage& storage)
{
    CMediaTrack::SaveSelf(name, storage);
    m_info.Save(kInfoTag, storage);
    m_aspectRatio.Save(kAspectRatioTag, storage);
    m_transformation.Save(kTransformationTag, storage);
    storage.Save(kCropLeftTag, m_cropLeft);
    storage.Save(kCropTopTag, m_cropTop);
    storage.Save(kCropRightTag, m_cropRight);
    storage.Save(kCropBottomTag, m_cropBottom);
}

void CVideoTrack::LoadSelf(const char* name, CPersistStorage& storage)
{
    CMediaTrack::LoadSelf(name, storage);
    m_info.Load(kInfoTag, storage);
    m_aspectRatio.Load(kAspectRatioTag, storage);
    m_transformation.Load(kTransformationTag, storage);
    storage.Load(kCropLeftTag, m_cropLeft);
    storage.Load(kCropTopTag, m_cropTop);
    storage.Load(kCropRightTag, m_cropRight);
    storage.Load(kCropBottomTag, m_cropBottom);
}

CString CVideoTrack::GetSummary()
{
    CString summary;
    summary.Format("%dx%d, %.2ffps", static_cast<int>(m_info.GetWidth()), static_cast<int>(m_info.GetHeight()),
                   m_info.GetFrameRate());
    return summary;
}

unsigned short CVideoTrack::ValidateCropLeft(unsigned short left) { return FirstEdge(left, m_info.GetWidth()); }
unsigned short CVideoTrack::ValidateCropTop(unsigned short top) { return FirstEdge(top, m_info.GetHeight()); }
unsigned short CVideoTrack::ValidateCropRight(unsigned short right)
{
    return FarEdge(right, m_cropLeft, m_info.GetWidth());
}
unsigned short CVideoTrack::ValidateCropBottom(unsigned short bottom)
{
    return FarEdge(bottom, m_cropTop, m_info.GetHeight());
}

void CVideoTrack::SideEffectCropLeftChanged()
{
    SetCropRight(m_cropRight);
    AdjustAspectRatio();
}

void CVideoTrack::SideEffectCropTopChanged()
{
    SetCropBottom(m_cropBottom);
    AdjustAspectRatio();
}

void CVideoTrack::SideEffectCropRightChanged() { AdjustAspectRatio(); }
void CVideoTrack::SideEffectCropBottomChanged() { AdjustAspectRatio(); }

MV_IMPLEMENT_PROPERTY_SETTER(CVideoTrack, CropLeft, unsigned short, m_cropLeft, kCropLeftChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CVideoTrack, CropTop, unsigned short, m_cropTop, kCropTopChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CVideoTrack, CropRight, unsigned short, m_cropRight, kCropRightChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CVideoTrack, CropBottom, unsigned short, m_cropBottom, kCropBottomChangedNotice)

void CVideoTrack::InitCrop()
{
    if (m_cropRight == 0 && m_cropBottom == 0) ResetCrop();
}

unsigned short CVideoTrack::GetCropLeft()
{
    InitCrop();
    return m_cropLeft;
}

unsigned short CVideoTrack::GetCropTop()
{
    InitCrop();
    return m_cropTop;
}

unsigned short CVideoTrack::GetCropRight()
{
    InitCrop();
    return m_cropRight;
}

unsigned short CVideoTrack::GetCropBottom()
{
    InitCrop();
    return m_cropBottom;
}

void CVideoTrack::ResetCrop()
{
    SetCropLeft(0);
    SetCropTop(0);
    SetCropRight(m_info.GetWidth());
    SetCropBottom(m_info.GetHeight());
}

void CVideoTrack::AdjustAspectRatio()
{
    const double width = m_info.GetWidth();
    const double height = m_info.GetHeight();
    if (width == 0 || height == 0) return;
    // A rectangle not yet complete has no shape; a ratio from it would be infinite.
    if (m_cropRight <= m_cropLeft || m_cropBottom <= m_cropTop) return;
    const double ratio = m_aspectRatio.GetOriginal() * ((m_cropRight - m_cropLeft) / width) /
                         ((m_cropBottom - m_cropTop) / height);
    m_aspectRatio.SetInput(ratio);
    m_aspectRatio.SetOutput(ratio);
    m_aspectRatio.SetScaling(CAspectRatioInfo2::kStretch);
}
