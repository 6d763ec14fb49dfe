#pragma once
// A category of the broadcast service with its sub-categories, which come from the
// service at each log-in and are not stored.
#include "CBrivastIdObject.h"
#include "CPersistList.h"

class CBrivastSubCategory;

class CBrivastCategory : public CBrivastIdObject {
    MV_DECLARE_PERSIST_CLASS(CBrivastCategory)
public:
    // The category takes the sub-category; removing deletes it.
    void AddSubCategory(CBrivastSubCategory* subCategory);
    void RemoveSubCategory(CBrivastSubCategory* subCategory);
    int GetSubCategoryCount() const { return m_subCategories.GetItemCount(); }
    CBrivastSubCategory* GetSubCategory(int index) const;
    CBrivastSubCategory* FindSubCategory(const char* name) const;
    CBrivastSubCategory* FindSubCategory(ULONG id) const;
    void ClearSubCategories() { m_subCategories.Clear(); }

private:
    CPersistList m_subCategories{true};
};
