#include "CCodecInfo.h"

#include "CPersistStorage.h"
#include "TPersistListSearch.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CCodecInfo, CDxDeviceInfo, CCodecInfo::kType)

CCodecInfo::CCodecInfo()
{
    m_muxes.SetChildClassId(CMuxInfo::kType);
}

void CCodecInfo::SaveSelf(const char* name, CPersistStorage& storage)
{
    CDxDeviceInfo::SaveSelf(name, storage);
    storage.Save("format", m_format);
    storage.Save("skipped", m_skipped);
    storage.Save("load", m_load);
    storage.Save("tested", m_tested);
    storage.Save("encoder", m_encoderControl);
    m_muxes.Save("formats", storage);
}

void CCodecInfo::LoadSelf(const char* name, CPersistStorage& storage)
{
    CDxDeviceInfo::LoadSelf(name, storage);
    storage.Load("format", m_format);
    storage.Load("skipped", m_skipped);
    storage.Load("load", m_load);
    storage.Load("tested", m_tested);
    storage.Load("encoder", m_encoderControl);
    m_muxes.Load("formats", storage);
    UDataListUtils::DropForeignItems(m_muxes, CMuxInfo::kType);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CCodecInfo, Format, ULONG, ULONG, m_format, kFormatChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CCodecInfo, Skipped, bool, bool, m_skipped, kSkippedChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CCodecInfo, Load, bool, bool, m_load, kLoadChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CCodecInfo, Tested, bool, bool, m_tested, kTestedChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CCodecInfo, EncoderControl, LONG, LONG, m_encoderControl, kEncoderControlChangedNotice)

CMuxInfo* CCodecInfo::GetMuxInfo(int index) const
{
    return PersistListItem<CMuxInfo>(m_muxes, index);
}

void CCodecInfo::RemoveMuxInfo(CMuxInfo* mux)
{
    RemoveFromPersistList(m_muxes, mux);
}

CMuxInfo* CCodecInfo::Find(ESplitterType type) const
{
    return FindInPersistList<CMuxInfo>(m_muxes, [&](const CMuxInfo& m) { return m.GetSplitterType() == type; });
}

void CCodecInfo::SetSupported(ESplitterType type, bool supported)
{
    CMuxInfo* mux = Find(type);
    if (!mux) {
        mux = new CMuxInfo;
        mux->SetSplitterType(type);
        m_muxes.Add(mux);
    }
    mux->SetSupported(supported);
}

bool CCodecInfo::IsSupported(ESplitterType type) const
{
    const CMuxInfo* mux = Find(type);
    return mux && mux->GetSupported();
}

bool CCodecInfo::HasSupported() const
{
    return FindInPersistList<CMuxInfo>(m_muxes, [](const CMuxInfo& m) { return m.GetSupported(); }) != nullptr;
}
