#include "CSliceDurationNode.h"

#include "CMediaFile2.h"
#include "CSliceDuration2.h"
#include "UPanelsResources.h"
#include "afx/gdi/CDC.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"

#include <algorithm>

CSliceDuration2* CSliceDurationNode::sSelection = nullptr;
HBITMAP CSliceDurationNode::sTube = nullptr;
HBITMAP CSliceDurationNode::sTubeCut = nullptr;
HBITMAP CSliceDurationNode::sTubeSelect = nullptr;
HBITMAP CSliceDurationNode::sTubeCutSelect = nullptr;
HDC CSliceDurationNode::sTubeDc = nullptr;
HDC CSliceDurationNode::sTubeCutDc = nullptr;
HDC CSliceDurationNode::sTubeSelectDc = nullptr;
HDC CSliceDurationNode::sTubeCutSelectDc = nullptr;
int CSliceDurationNode::sTubeWidth = 0;
int CSliceDurationNode::sTubeHeight = 0;
int CSliceDurationNode::sTubeCutWidth = 0;
int CSliceDurationNode::sReferenceCount = 0;

namespace {

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

void SelectInto(HDC& dc, HBITMAP bitmap)
{
    if (!dc) dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bitmap);
}

void Release(HBITMAP& bitmap, HDC& dc)
{
    if (dc) DeleteDC(dc);
    if (bitmap) DeleteObject(bitmap);
    dc = nullptr;
    bitmap = nullptr;
}

} // namespace

CSliceDurationNode::CSliceDurationNode(CObjectDisplay* parent) : CDurationNode(parent)
{
    Load();
}

CSliceDurationNode::~CSliceDurationNode()
{
    Unload();
}

void CSliceDurationNode::Load()
{
    if (m_counted) return;
    m_counted = true;
    if (++sReferenceCount != 1) return;
    HINSTANCE module = UPanelsResources::Module();
    struct Entry {
        HBITMAP& bitmap;
        UINT id;
    } entries[] = {{sTube, kTubeId}, {sTubeCut, kTubeCutId}, {sTubeSelect, kTubeSelectId},
                   {sTubeCutSelect, kTubeCutSelectId}};
    for (Entry& entry : entries) {
        entry.bitmap = LoadBitmapA(module, MAKEINTRESOURCEA(entry.id));
        if (!entry.bitmap) return;
    }
    const SIZE tube = BitmapSize(sTube);
    sTubeWidth = tube.cx;
    sTubeHeight = tube.cy;
    sTubeCutWidth = BitmapSize(sTubeCut).cx;
    SelectInto(sTubeDc, sTube);
    SelectInto(sTubeCutDc, sTubeCut);
    SelectInto(sTubeSelectDc, sTubeSelect);
    SelectInto(sTubeCutSelectDc, sTubeCutSelect);
}

void CSliceDurationNode::Unload()
{
    if (!m_counted) return;
    m_counted = false;
    if (--sReferenceCount > 0) return;
    Release(sTube, sTubeDc);
    Release(sTubeCut, sTubeCutDc);
    Release(sTubeSelect, sTubeSelectDc);
    Release(sTubeCutSelect, sTubeCutSelectDc);
    sTubeWidth = sTubeHeight = sTubeCutWidth = 0;
}

void CSliceDurationNode::DrawDuration(CDC* dc, int left, int right, int xOrigin, int y)
{
    auto* slice = dynamic_cast<CSliceDuration2*>(GetObjectA());
    if (!dc || !slice) return;
    const bool selected = slice == sSelection;
    HDC plain = selected ? sTubeSelectDc : sTubeDc;
    HDC cut = selected ? sTubeCutSelectDc : sTubeCutDc;
    // Without the artwork there is nothing to draw with.
    if (!plain || !cut) return;
    CSliceDuration2* previous = m_file ? m_file->GetPrevious(slice) : nullptr;
    CSliceDuration2* next = m_file ? m_file->GetNext(slice) : nullptr;
    HDC target = dc->GetSafeHdc();
    const int x = xOrigin + left;
    BitBlt(target, x, y, kCapWidth, sTubeHeight, previous && previous->GetLinkNext() ? cut : plain, 0, 0, SRCCOPY);
    // A slice narrower than its two caps has no body.
    const int body = std::max(0, right - left - 2 * kCapWidth);
    StretchBlt(target, x + kCapWidth, y, body, sTubeHeight, plain, kCapWidth, 0, sTubeWidth - 2 * kCapWidth,
               sTubeHeight, SRCCOPY);
    if (next && slice->GetLinkNext())
        BitBlt(target, xOrigin + right - kCapWidth, y, kCapWidth, sTubeHeight, cut, sTubeCutWidth - kCapWidth, 0,
               SRCCOPY);
    else
        BitBlt(target, xOrigin + right - kCapWidth, y, kCapWidth, sTubeHeight, plain, sTubeWidth - kCapWidth, 0,
               SRCCOPY);
}

bool CSliceDurationNode::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CSliceDuration2::kLinkNextChangedNotice) {
        DisplayChanged(this);
        return true;
    }
    return CDurationNode::Respond(code, sender, a, b);
}
