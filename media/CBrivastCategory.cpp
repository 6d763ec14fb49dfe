#include "CBrivastCategory.h"

#include "CBrivastSubCategory.h"
#include "UBrivastListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CBrivastCategory, CBrivastIdObject, FourCharCode("bvca"))

void CBrivastCategory::AddSubCategory(CBrivastSubCategory* subCategory)
{
    m_subCategories.Add(subCategory);
}

void CBrivastCategory::RemoveSubCategory(CBrivastSubCategory* subCategory)
{
    m_subCategories.Remove(subCategory);
}

CBrivastSubCategory* CBrivastCategory::GetSubCategory(int index) const
{
    return UBrivastListUtils::At<CBrivastSubCategory>(m_subCategories, index);
}

CBrivastSubCategory* CBrivastCategory::FindSubCategory(const char* name) const
{
    return UBrivastListUtils::FindByName<CBrivastSubCategory>(m_subCategories, name);
}

CBrivastSubCategory* CBrivastCategory::FindSubCategory(ULONG id) const
{
    return UBrivastListUtils::FindById<CBrivastSubCategory>(m_subCategories, id);
}
