#include "CDecoderItem.h"

#include "CIniProfile.h"
#include "CPersistStorage.h"
#include "CRegistry.h"
#include "com/Guid.h"

#include <cstring>
#include <string>

MV_IMPLEMENT_PERSIST_CLASS(CDecoderItem, CNamedObject, CDecoderItem::kType)

const char* const CDecoderItem::kIdTag = "id";
const char* const CDecoderItem::kDmoTag = "dmo";

CDecoderItem::CDecoderItem(const CDecoderItem& other) : CNamedObject(other), m_id(other.m_id), m_dmo(other.m_dmo) {}

CDecoderItem& CDecoderItem::operator=(const CDecoderItem& other)
{
    if (this == &other) return *this;
    CNamedObject::operator=(other);
    m_id = other.m_id;
    m_dmo = other.m_dmo;
    return *this;
}

const char* CDecoderItem::ValidateSelf()
{
    if (m_name.IsEmpty()) return "Please specify a name.";
    if (m_id == GUID_NULL) return "Please enter the GUID for the decoder.";
    return CNamedObject::ValidateSelf();
}

void CDecoderItem::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save(kIdTag, m_id);
    storage.Save(kDmoTag, m_dmo);
}

void CDecoderItem::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    storage.Load(kIdTag, m_id);
    storage.Load(kDmoTag, m_dmo);
}

bool CDecoderItem::SetId(const GUID& id)
{
    return ChangeProperty(m_id, id, kIdChangedNotice);
}

bool CDecoderItem::SetIsDmo(bool dmo)
{
    return ChangeProperty(m_dmo, dmo, kDmoChangedNotice);
}

bool CDecoderItem::LoadIni(CIniProfile* profile, int index)
{
    SetName(CRegistry(index, "Name", profile).GetTextValue(""));
    // GuidFromText takes only the exact braced form, whatever the file holds.
    GUID id = GUID_NULL;
    const bool parsed = GuidFromText(CRegistry(index, "Id", profile).GetTextValue(""), &id);
    SetId(id);
    SetIsDmo(CRegistry(index, "Dmo", profile).GetValue(0) != 0);
    return parsed && id != GUID_NULL;
}

void CDecoderItem::SaveIni(CIniProfile* profile, int index) const
{
    WriteIniText(CRegistry(index, "Name", profile), m_name);
    WriteIniText(CRegistry(index, "Id", profile), GuidToText(m_id).c_str());
    WriteIniValue(CRegistry(index, "Dmo", profile), m_dmo ? 1 : 0);
}

void CDecoderItem::WriteIniText(CRegistry&& key, const char* text)
{
    // Each write rewrites the whole file: a start-up that changes nothing writes nothing.
    const char* stored = key.GetTextValue("\x01");
    if (std::strcmp(stored, text) != 0) key.SetTextValue(text);
}

void CDecoderItem::WriteIniValue(CRegistry&& key, DWORD value)
{
    if (key.GetValue(value + 1) != value) key.SetValue(value);
}
