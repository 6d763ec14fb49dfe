#include "dshow/transforms/SnapshotStage.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"
#include "dshow/formats/ImageFile.h"
#include "dshow/transforms/TransformIds.h"
#include "dshow/transforms/VideoScaling.h"

#include <cmath>
#include <cstring>

namespace {
constexpr LONG kThumbnailQuality = 90;
}

HRESULT CSnapshotStage::Create(REFIID iid, void** object) { return CreateComObject<CSnapshotStage>(iid, object); }

// Its engine wrapper joins it by "Input" and "Output".
CSnapshotStage::CSnapshotStage() : CVideoStageFilter(CLSID_SnapShot, u"Input", u"Output") {}

CSnapshotStage::~CSnapshotStage()
{
    for (BYTE* image : m_handedOut) delete[] image;
}

void* CSnapshotStage::FindInterface(REFIID iid)
{
    if (iid == ISnapshotSettings::kIid) return static_cast<ISnapshotSettings*>(this);
    if (iid == ISnapshotGrab::kIid) return static_cast<ISnapshotGrab*>(this);
    if (iid == ISnapshotScaledGrab::kIid) return static_cast<ISnapshotScaledGrab*>(this);
    return CVideoStageFilter::FindInterface(iid);
}

HRESULT CSnapshotStage::SetMode(LONG mode)
{
    m_mode = mode;
    return S_OK;
}

HRESULT CSnapshotStage::SetKind(LONG kind)
{
    if (kind != kImageBmp && kind != kImageGif && kind != kImageJpeg) return E_INVALIDARG;
    m_kind = kind;
    return S_OK;
}

HRESULT CSnapshotStage::SetPosition(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0) return E_INVALIDARG;
    m_position = REFERENCE_TIME(std::llround(seconds * double(kUnitsPerSecond)));
    return S_OK;
}

HRESULT CSnapshotStage::SetResize(BYTE on)
{
    m_resize = on != 0;
    return S_OK;
}

HRESULT CSnapshotStage::SetWidth(LONG width)
{
    if (width <= 0 || width > kMaxVideoSide) return E_INVALIDARG;
    m_width = width;
    return S_OK;
}

HRESULT CSnapshotStage::SetHeight(LONG height)
{
    if (height <= 0 || height > kMaxVideoSide) return E_INVALIDARG;
    m_height = height;
    return S_OK;
}

HRESULT CSnapshotStage::SetName(const char* name)
{
    m_name = name ? name : "";
    return S_OK;
}

HRESULT CSnapshotStage::SaveImage(const BYTE* dib, LONG size, const char* path, LONG kind, LONG quality)
{
    return WriteImageFile(dib, size, path, kind, quality);
}

std::vector<BYTE> CSnapshotStage::Image(LONG width, LONG height)
{
    const VIDEOINFOHEADER* info = InputInfo();
    std::lock_guard lock(m_imageLock);
    if (!info || m_latest.empty()) return {};
    VideoPicture picture = PictureOf(*info, m_latest.data());
    if (width <= 0 || height <= 0) return PackBitmap(picture);
    std::vector<BYTE> scaled(size_t((width * 3 + 3) & ~3) * size_t(height));
    VideoPicture target;
    target.data = scaled.data();
    target.width = width;
    target.height = height;
    target.bits = 24;
    target.stride = (width * 3 + 3) & ~3;
    VideoScaleSettings settings;
    settings.keepAspect = false;
    if (!DShowVideoScaleRoutine()(settings, picture, target)) return {};
    return PackBitmap(target);
}

HRESULT CSnapshotStage::HandOut(std::vector<BYTE> image, BYTE** dib, LONG* size)
{
    if (!dib || !size) return E_POINTER;
    *dib = nullptr;
    *size = 0;
    if (image.empty()) return S_FALSE;
    auto* copy = new BYTE[image.size()];
    std::memcpy(copy, image.data(), image.size());
    std::lock_guard lock(m_imageLock);
    m_handedOut.insert(copy);
    *dib = copy;
    *size = LONG(image.size());
    return S_OK;
}

HRESULT CSnapshotStage::GrabImage(BYTE** dib, LONG* size) { return HandOut(Image(0, 0), dib, size); }

HRESULT CSnapshotStage::GrabScaledImage(LONG width, LONG height, BYTE** dib, LONG* size)
{
    if (width <= 0 || height <= 0 || width > kMaxVideoSide || height > kMaxVideoSide) return E_INVALIDARG;
    return HandOut(Image(width, height), dib, size);
}

HRESULT CSnapshotStage::ReleaseImage(BYTE* dib)
{
    std::lock_guard lock(m_imageLock);
    // Only what was handed out is freed, and only once.
    if (!m_handedOut.erase(dib)) return E_INVALIDARG;
    delete[] dib;
    return S_OK;
}

void CSnapshotStage::OnStreamStart()
{
    m_saved = false;
    std::lock_guard lock(m_imageLock);
    m_latest.clear();
}

HRESULT CSnapshotStage::SaveThumbnail()
{
    m_saved = true;
    std::vector<BYTE> image = m_resize ? Image(m_width, m_height) : Image(0, 0);
    if (image.empty()) return S_OK;
    // A thumbnail that cannot be written does not stop the conversion.
    WriteImageFile(image.data(), LONG(image.size()), m_name.c_str(), m_kind, kThumbnailQuality);
    return S_OK;
}

HRESULT CSnapshotStage::Picture(const MediaSample& sample)
{
    {
        std::lock_guard lock(m_imageLock);
        m_latest.assign(sample.data, sample.data + sample.size);
    }
    if (m_mode != 0 && !m_saved && !m_name.empty() && (!sample.hasTime || sample.start >= m_position)) SaveThumbnail();
    return Pass(sample);
}

HRESULT CSnapshotStage::Drain()
{
    // A stream shorter than the position gives its last picture.
    if (m_mode != 0 && !m_saved && !m_name.empty()) SaveThumbnail();
    return S_OK;
}
