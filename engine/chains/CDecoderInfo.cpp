#include "CDecoderInfo.h"

#include "CDecoderItem.h"
#include "CRegistry.h"
#include "TPersistListSearch.h"
#include "UDirectoryUtils.h"
#include "afx/CString.h"
#include "com/Guid.h"
#include "win32/kernel/ShellFolders.h"
#include "win32/settings/SettingsBatch.h"

const char* const CDecoderInfo::kCodecSection = "Codec";
const char* const CDecoderInfo::kCountKey = "Count";

CDecoderInfo::CDecoderInfo(const char* fileName, const SDefaultDecoder* defaults, int defaultCount)
{
    m_codecs.SetChildClassId(CDecoderItem::kType);
    m_profile.SetIniFile(CString(UDirectoryUtils::GetCommonAppDataDirectory()) + fileName);
    LoadIni();
    for (int i = 0; i < defaultCount; ++i) {
        GUID id = GUID_NULL;
        GuidFromText(defaults[i].id, &id);
        AddDefaultCodec(id, defaults[i].name, defaults[i].dmo);
    }
    SaveIni();
}

CDecoderItem* CDecoderInfo::GetCodec(int index) const
{
    return PersistListItem<CDecoderItem>(m_codecs, index);
}

int CDecoderInfo::GetCodecIndex(const CDecoderItem* item) const
{
    return m_codecs.GetIndex(item);
}

GUID CDecoderInfo::GetCodecId(int index) const
{
    const CDecoderItem* item = GetCodec(index);
    return item ? item->GetId() : GUID_NULL;
}

void CDecoderInfo::AddCodec(CDecoderItem* item, int position)
{
    if (!item) return;
    m_codecs.AddAt(item, position);
}

void CDecoderInfo::RemoveCodec(CDecoderItem* item)
{
    if (!item || m_codecs.GetIndex(item) < 0) return;
    m_codecs.Remove(item);
    delete item;
}

CDecoderItem* CDecoderInfo::Find(const GUID& id) const
{
    return FindInPersistList<CDecoderItem>(m_codecs, [&](const CDecoderItem& item) { return item.GetId() == id; });
}

void CDecoderInfo::LoadIni()
{
    m_codecs.Clear();
    DWORD count = CRegistry(kCodecSection, kCountKey, &m_profile).GetValue(0);
    // A damaged count reads no more sections than any real list holds.
    if (count > DWORD(kMaxCodecs)) count = kMaxCodecs;
    for (int i = 0; i < int(count); ++i) {
        auto* item = new CDecoderItem;
        // An item without a readable id cannot be tried: it is left out, the rest loads.
        if (item->LoadIni(&m_profile, i))
            m_codecs.Add(item);
        else
            delete item;
    }
}

void CDecoderInfo::SaveIni()
{
    // The list lands whole in one replacement of the file, not value by value (a first start
    // wrote the file 90 times).
    MvSettingsBatch batch;
    MvCreateFolders(UDirectoryUtils::GetCommonAppDataDirectory());
    CDecoderItem::WriteIniValue(CRegistry(kCodecSection, kCountKey, &m_profile), DWORD(GetCodecCount()));
    for (int i = 0; i < GetCodecCount(); ++i) GetCodec(i)->SaveIni(&m_profile, i);
}

void CDecoderInfo::AddDefaultCodec(const GUID& id, const char* name, bool dmo)
{
    CDecoderItem* item = Find(id);
    if (!item) {
        item = new CDecoderItem;
        item->SetId(id);
        m_codecs.Add(item);
    }
    item->SetName(name);
    item->SetIsDmo(dmo);
}

bool CDecoderInfo::UseDecoder(const GUID& decoder, const GUID& subtype, bool& isDmo, bool& tried)
{
    const CDecoderItem* item = Find(decoder);
    if (!item) return false;
    isDmo = item->GetIsDmo();
    const DWORD record =
        CRegistry(GuidToText(subtype).c_str(), GuidToText(decoder).c_str(), &m_profile).GetValue(0);
    tried = record != 0;
    return record == 0 || record == 1;
}

void CDecoderInfo::SetUseDecoder(const GUID& decoder, const GUID& subtype, bool works)
{
    CRegistry(GuidToText(subtype).c_str(), GuidToText(decoder).c_str(), &m_profile).SetValue(works ? 1 : 2);
}
