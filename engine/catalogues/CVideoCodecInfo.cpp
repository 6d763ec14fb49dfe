#include "CVideoCodecInfo.h"

#include "CPersistStorage.h"
#include "TSortedPersistList.h"
#include "UDataListUtils.h"

#include <cstdlib>

MV_IMPLEMENT_PERSIST_CLASS(CVideoCodecInfo, CCodecInfo, CVideoCodecInfo::kType)

CVideoCodecInfo::CVideoCodecInfo()
{
    SetEncoderControl(1);
    CVideoCodecSize::MakeSizeList(m_sizes);
}

void CVideoCodecInfo::SaveSelf(const char* name, CPersistStorage& storage)
{
    CCodecInfo::SaveSelf(name, storage);
    storage.Save("block", m_blockSize);
    storage.Save("about", m_hasAbout);
    storage.Save("settings", m_hasSettings);
    m_sizes.Save("sizes", storage);
}

void CVideoCodecInfo::LoadSelf(const char* name, CPersistStorage& storage)
{
    CCodecInfo::LoadSelf(name, storage);
    storage.Load("block", m_blockSize);
    storage.Load("about", m_hasAbout);
    storage.Load("settings", m_hasSettings);
    m_sizes.Load("sizes", storage);
    UDataListUtils::DropForeignItems(m_sizes, CVideoCodecSize::kType);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CVideoCodecInfo, BlockSize, unsigned short, unsigned short, m_blockSize, kBlockSizeChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CVideoCodecInfo, HasAbout, bool, bool, m_hasAbout, kHasAboutChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CVideoCodecInfo, HasSettings, bool, bool, m_hasSettings, kHasSettingsChangedNotice)

CVideoCodecSize* CVideoCodecInfo::GetSize(int index) const
{
    return PersistListItem<CVideoCodecSize>(m_sizes, index);
}

void CVideoCodecInfo::RemoveSize(CVideoCodecSize* size)
{
    RemoveFromPersistList(m_sizes, size);
}

CVideoCodecSize* CVideoCodecInfo::FindResolution(unsigned short width, unsigned short height) const
{
    return CVideoCodecSize::FindIn(m_sizes, width, height);
}

CVideoCodecSize* CVideoCodecInfo::AddResolution(unsigned short width, unsigned short height)
{
    return CVideoCodecSize::AddIn(m_sizes, width, height);
}

CVideoCodecSize* CVideoCodecInfo::FindBestFit(unsigned short& width, unsigned short& height) const
{
    CVideoCodecSize* best = nullptr;
    int bestDistance = 0;
    for (int i = 0; i < GetSizeCount(); ++i) {
        CVideoCodecSize* size = GetSize(i);
        if (!size) continue;
        const int distance = std::abs(int(size->GetWidth()) - int(width)) + std::abs(int(size->GetHeight()) - int(height));
        if (!best || distance < bestDistance) {
            best = size;
            bestDistance = distance;
        }
    }
    if (best) {
        width = best->GetWidth();
        height = best->GetHeight();
    }
    return best;
}
