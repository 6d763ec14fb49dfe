#include "CBrivastCam.h"

#include "CPersistStorage.h"
#include "UDocumentDefaults.h"

MV_IMPLEMENT_PERSIST_CLASS(CBrivastCam, COstrelData, FourCharCode("bvcm"))

namespace {
const char* const kBroadcastTag = "broadcast";
}

CBrivastCam::CBrivastCam()
{
    GetVideoRecorder().SetTimeStamp(true);
    UDocumentDefaults::ApplyRecorderDefaults(GetMediaOutput());
}

CBrivastCam& CBrivastCam::operator=(const CBrivastCam& other)
{
    if (this == &other) return *this;
    COstrelData::operator=(other);
    m_id = other.m_id;
    m_new = other.m_new;
    m_connected = other.m_connected;
    m_broadcasting = other.m_broadcasting;
    Notify(kBroadcastingChangedNotice, 0, 0);
    return *this;
}

CBrivastCam& CBrivastCam::operator=(const COstrelData& other)
{
    COstrelData::operator=(other);
    return *this;
}

CBrivastCam& CBrivastCam::operator=(const CMediaWriter2& other)
{
    CMediaWriter2::operator=(other);
    return *this;
}

void CBrivastCam::SaveSelf(const char* name, CPersistStorage& storage)
{
    COstrelData::SaveSelf(name, storage);
    storage.Save(kBroadcastTag, m_id);
}

void CBrivastCam::LoadSelf(const char* name, CPersistStorage& storage)
{
    COstrelData::LoadSelf(name, storage);
    storage.Load(kBroadcastTag, m_id);
    if (m_id != 0) m_new = false;
    UDocumentDefaults::ApplyRecorderDefaults(GetMediaOutput(), false);
}

CString CBrivastCam::ValidateName(const char* name)
{
    CString kept;
    for (const char* c = name ? name : ""; *c; ++c)
        if (*c != ' ' && *c != '=') kept += *c;
    return kept;
}

void CBrivastCam::SideEffectIdChanged()
{
    if (m_id == 0) SetBroadcasting(false);
}

void CBrivastCam::SideEffectNewChanged()
{
    if (m_new) SetId(0);
}

MV_IMPLEMENT_PLAIN_VALIDATOR(CBrivastCam, Id, ULONG, ULONG)
MV_IMPLEMENT_PROPERTY_SETTER(CBrivastCam, Id, ULONG, m_id, kIdChangedNotice)
MV_IMPLEMENT_PLAIN_VALIDATOR(CBrivastCam, New, bool, bool)
MV_IMPLEMENT_PROPERTY_SETTER(CBrivastCam, New, bool, m_new, kNewChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CBrivastCam, Connected, bool, bool, m_connected, kConnectedChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CBrivastCam, Broadcasting, bool, bool, m_broadcasting, kBroadcastingChangedNotice)
