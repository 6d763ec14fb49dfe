#include "CBrivastCategory.h"

#include "CBrivastSubCategory.h"
#include "URecordListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CBrivastCategory, CBrivastIdObject, FourCharCode("bvca"))

void CBrivastCategory::AddSubCategory(CBrivastSubCategory* subCategory)
{
    m_subCategories.Add(subCategory);
}

void CBrivastCategory::RemoveSubCategory(CBrivastSubCategory* subCategory)
{
    URecordListUtils::Delete(m_subCategories, subCategory);
}

CBrivastSubCategory* CBrivastCategory::GetSubCategory(int index) const
{
    return URecordListUtils::At<CBrivastSubCategory>(m_subCategories, index);
}

CBrivastSubCategory* CBrivastCategory::FindSubCategory(const char* name) const
{
    return URecordListUtils::FindByName<CBrivastSubCategory>(m_subCategories, name);
}

CBrivastSubCategory* CBrivastCategory::FindSubCategory(ULONG id) const
{
    return URecordListUtils::FindById<CBrivastSubCategory>(m_subCategories, id);
}
