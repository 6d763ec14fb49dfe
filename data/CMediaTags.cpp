#include "CMediaTags.h"

#include "CNamedValue.h"
#include "CTagMaps.h"
#include "UDataListUtils.h"
#include "afx/CString.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CMediaTags, CPersistObject, FourCharCode("tagv"))

const char* const CMediaTags::kMediaTagsValuesTag = "values";

namespace {

constexpr LONG kNamedValueType = FourCharCode("namo");

// Items may be of another class while a damaged file loads; those count as missing.
const CNamedValue* AsTag(const void* item)
{
    return dynamic_cast<const CNamedValue*>(static_cast<const CPersistObject*>(item));
}

CString SortName(const CNamedValue& tag)
{
    if (!CTagMaps::sMaps) return tag.GetName();
    return CString(CTagMaps::sMaps->GetFriendlyText(tag.GetName()));
}

}

CMediaTags::CMediaTags()
{
    m_values.SetChildClassId(kNamedValueType);
    m_values.SetCompareFunction(CompareTags);
}

CMediaTags& CMediaTags::operator=(const CMediaTags& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_values = other.m_values;
    return *this;
}

int CMediaTags::CompareTags(const void* first, const void* second)
{
    const CNamedValue* a = first ? AsTag(first) : nullptr;
    const CNamedValue* b = second ? AsTag(second) : nullptr;
    if (!a || !b) return 0;
    return std::strcmp(SortName(*a), SortName(*b)) < 0 ? -1 : 1;
}

void CMediaTags::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_values.Save(kMediaTagsValuesTag, storage);
}

void CMediaTags::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_values.Load(kMediaTagsValuesTag, storage);
    UDataListUtils::DropForeignItems(m_values, kNamedValueType);
}

CNamedValue* CMediaTags::FindValue(const char* name) const
{
    for (int i = 0; i < GetValueCount(); ++i) {
        CNamedValue* tag = GetValue(i);
        if (tag->GetName() == CString(name)) return tag;
    }
    return nullptr;
}

void CMediaTags::AddValue(const char* name, const char* value)
{
    if (CNamedValue* tag = FindValue(name)) {
        tag->SetValue(value);
        return;
    }
    auto* tag = new CNamedValue;
    tag->SetName(name);
    tag->SetValue(value);
    m_values.Add(tag);
}

CNamedValue* CMediaTags::GetValue(int index) const
{
    return static_cast<CNamedValue*>(m_values.GetAt(index));
}
