#include "CPersistDataHost.h"

#include "StApplicationId.h"
#include "UApplicationUtils.h"
#include "UPersistStorage.h"

bool CPersistDataHost::SaveData()
{
    return m_data && UPersistStorage::PromptSave(*m_data, "xml", GetFileDescription());
}

bool CPersistDataHost::LoadData()
{
    return m_data && UPersistStorage::PromptLoad(*m_data, "xml", GetFileDescription());
}

bool CPersistDataHost::SaveDefault()
{
    return m_data && UPersistStorage::DefaultSave(*m_data, "Settings", GetDefaultFileName());
}

bool CPersistDataHost::LoadDefault()
{
    return m_data && UPersistStorage::DefaultLoad(*m_data, "Settings", GetDefaultFileName());
}

CString CPersistDataHost::GetFileDescription() const
{
    if (!StApplicationId::sId) return CString("Data");
    return CString(UApplicationUtils::GetApplicationName(StApplicationId::Id())) + " data";
}
