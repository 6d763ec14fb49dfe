#include "afx/windows/COleDataSource.h"

#include "afx/windows/COleDropTarget.h"
#include "win32/kernel/GlobalMemory.h"

#include <cstring>

COleDataSource::~COleDataSource()
{
    Empty();
}

void COleDataSource::CacheGlobalData(UINT format, HGLOBAL memory)
{
    HGLOBAL& slot = m_blocks[format];
    if (slot && slot != memory)
        GlobalFree(slot);
    slot = memory;
}

void COleDataSource::Empty()
{
    for (auto& entry : m_blocks)
        GlobalFree(entry.second);
    m_blocks.clear();
}

HGLOBAL COleDataSource::FindGlobalData(UINT format) const
{
    auto found = m_blocks.find(format);
    return found == m_blocks.end() ? nullptr : found->second;
}

DROPEFFECT COleDataSource::DoDragDrop(DROPEFFECT allowed)
{
    COleDataObject data(this);
    return MvRunDragDrop(data, allowed);
}

BOOL COleDataObject::IsDataAvailable(UINT format) const
{
    return m_source && m_source->FindGlobalData(format) ? TRUE : FALSE;
}

HGLOBAL COleDataObject::GetGlobalData(UINT format) const
{
    HGLOBAL block = m_source ? m_source->FindGlobalData(format) : nullptr;
    if (!block)
        return nullptr;
    SIZE_T size = GlobalSize(block);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy)
        return nullptr;
    std::memcpy(GlobalLock(copy), GlobalLock(block), size);
    GlobalUnlock(copy);
    GlobalUnlock(block);
    return copy;
}
