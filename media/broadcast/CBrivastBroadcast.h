#pragma once
// One broadcast of the user at the service. Where it is listed comes from the service
// and is neither stored nor copied.
#include "CWebObject.h"
#include "MvMediaProperty.h"

class CBrivastBroadcast : public CWebObject {
    MV_DECLARE_PERSIST_CLASS(CBrivastBroadcast)
public:
    CBrivastBroadcast() = default;
    CBrivastBroadcast(const CBrivastBroadcast& other);
    CBrivastBroadcast& operator=(const CBrivastBroadcast& other);
    ~CBrivastBroadcast() override = default;

    // Keeps letters, digits and blanks.
    CString ValidateName(const char* name) override;

    MV_DECLARE_PROPERTY(Category, ULONG, ULONG)
    MV_DECLARE_PROPERTY(SubCategory, ULONG, ULONG)
    ULONG GetCategory() const { return m_category; }
    ULONG GetSubCategory() const { return m_subCategory; }

    static constexpr LONG kCategoryChangedNotice = FourCharCode("bvbt");
    static constexpr LONG kSubCategoryChangedNotice = FourCharCode("bvbu");

private:
    ULONG m_category = 0;
    ULONG m_subCategory = 0;
};
