#include "CAudioCaptureDevice2.h"

#include "CPersistStorage.h"
#include "TSortedPersistList.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCaptureDevice2, CCaptureDevice2, CAudioCaptureDevice2::kType)

CAudioCaptureDevice2::CAudioCaptureDevice2()
{
    m_connectors.SetChildClassId(CAudioCaptureConnector2::kType);
    m_connectors.SetCompareFunction(
        ComparePersistNames<CAudioCaptureConnector2, &CAudioCaptureConnector2::GetNameText>);
}

void CAudioCaptureDevice2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CCaptureDevice2::SaveSelf(name, storage);
    m_connectors.Save("ports", storage);
}

void CAudioCaptureDevice2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CCaptureDevice2::LoadSelf(name, storage);
    m_connectors.Load("ports", storage);
    UDataListUtils::DropForeignItems(m_connectors, CAudioCaptureConnector2::kType);
}

CAudioCaptureConnector2* CAudioCaptureDevice2::GetConnector(int index) const
{
    return PersistListItem<CAudioCaptureConnector2>(m_connectors, index);
}

void CAudioCaptureDevice2::RemoveConnector(CAudioCaptureConnector2* connector)
{
    RemoveFromPersistList(m_connectors, connector);
}

CAudioCaptureConnector2* CAudioCaptureDevice2::Find(const char* name) const
{
    const CString wanted(name ? name : "");
    return FindInPersistList<CAudioCaptureConnector2>(m_connectors, [&](const CAudioCaptureConnector2& c) {
        return c.GetName() == wanted;
    });
}

CAudioCaptureConnector2* CAudioCaptureDevice2::Add(const char* name)
{
    if (CAudioCaptureConnector2* found = Find(name)) return found;
    auto* connector = new CAudioCaptureConnector2;
    connector->SetName(name ? name : "");
    m_connectors.Add(connector);
    return connector;
}

CAudioCaptureConnector2* CAudioCaptureDevice2::FindClose(const char* text) const
{
    CString piece(text ? text : "");
    piece.MakeLower();
    return FindInPersistList<CAudioCaptureConnector2>(m_connectors, [&](const CAudioCaptureConnector2& c) {
        CString name = c.GetName();
        name.MakeLower();
        return name.Find(piece) >= 0;
    });
}
