#include "CTagController.h"

#include "CEntryField.h"
#include "CNamedValue.h"
#include "CTagMaps.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CComboBox.h"

const char* const CTagController::kGenreTag = "TCO";

CTagController::CTagController()
{
    mExpectedType = FourCharCode("namo");
}

CTagController::~CTagController()
{
    RetargetListenedReference<CEntryField>(*this, m_value, nullptr);
}

CNamedValue* CTagController::GetNamedValue() const
{
    return static_cast<CNamedValue*>(GetObjectA());
}

bool CTagController::IsGenre() const
{
    CNamedValue* tag = GetNamedValue();
    return tag && tag->GetName() == kGenreTag;
}

void CTagController::SetControls(CComboBox* name, CEntryField* value, CComboBox* valueList)
{
    m_name = name;
    RetargetListenedReference(*this, m_value, value);
    m_valueList = valueList;
}

CString CTagController::GetTag(const char* friendly)
{
    return CTagMaps::sMaps ? CString(CTagMaps::sMaps->GetTagFromFriendly(friendly)) : CString();
}

CString CTagController::GetName(const char* tag)
{
    return CTagMaps::sMaps ? CString(CTagMaps::sMaps->GetFriendlyText(tag)) : CString();
}

CString CTagController::GetGenreId(const char* name)
{
    return CTagMaps::sMaps ? CString(CTagMaps::sMaps->GetGenreId(name)) : CString();
}

CString CTagController::GetGenre(const char* id)
{
    return CTagMaps::sMaps ? CString(CTagMaps::sMaps->GetGenre(id)) : CString();
}

void CTagController::PopulateName()
{
    if (!m_name) return;
    UComboChoices::Clear(m_name);
    const CTagMaps* maps = CTagMaps::sMaps;
    for (int i = 0; maps && i < maps->GetFriendlyCount(); ++i) {
        const char* friendly = maps->GetFriendly(i);
        if (friendly && *friendly) UComboChoices::Add(m_name, friendly);
    }
}

void CTagController::PopulateValue()
{
    if (!m_valueList) return;
    UComboChoices::Clear(m_valueList);
    const CTagMaps* maps = CTagMaps::sMaps;
    if (!IsGenre() || !maps) return;
    for (int i = 0; i < maps->GetGenreCount(); ++i) {
        const char* genre = maps->GetGenre(i);
        if (genre && *genre) UComboChoices::Add(m_valueList, genre);
    }
}

void CTagController::ReflectName()
{
    if (CNamedValue* tag = GetNamedValue()) {
        UComboChoices::SelectExact(m_name, GetName(tag->GetName()));
        UWindowsUtils::ShowWindow(m_valueList, IsGenre());
        UWindowsUtils::ShowWindow(m_value, !IsGenre());
    }
    PopulateValue();
    ReflectValue();
}

void CTagController::ReflectValue()
{
    CNamedValue* tag = GetNamedValue();
    if (!tag) return;
    if (IsGenre())
        UComboChoices::SelectExact(m_valueList, tag->GetValue());
    else if (m_value)
        m_value->SetWindowText(tag->GetValue());
}

void CTagController::EnterName()
{
    CNamedValue* tag = GetNamedValue();
    if (!tag) return;
    CString friendly;
    UComboChoices::GetSelectedText(m_name, friendly);
    const CString id = GetTag(friendly);
    if (id.IsEmpty() || !tag->SetName(id)) ReflectName();
}

void CTagController::EnterValue()
{
    CNamedValue* tag = GetNamedValue();
    if (!tag) return;
    CString value;
    if (IsGenre())
        UComboChoices::GetSelectedText(m_valueList, value);
    else if (m_value)
        m_value->GetWindowText(value);
    else
        return;
    if (!tag->SetValue(value)) ReflectValue();
}

void CTagController::Refresh()
{
    PopulateName();
    ReflectName();
}

char* CTagController::GetText()
{
    CNamedValue* tag = GetNamedValue();
    if (!tag) return UStringBuffer::Text("");
    return UStringBuffer::Text(GetName(tag->GetName()) + ": " + tag->GetValue());
}

bool CTagController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CNamedObject::kNameChangedNotice: ReflectName(); return true;
    case CNamedValue::kValueChangedNotice: ReflectValue(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CTagController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage && m_value && p == m_value->Identity()) {
        EnterValue();
        return true;
    }
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_value, p);
    return CObjectController2::ListenToMessage(message, p, q);
}
