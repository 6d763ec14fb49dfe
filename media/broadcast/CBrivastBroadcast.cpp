#include "CBrivastBroadcast.h"

#include "UStringBuffer.h"

MV_IMPLEMENT_PERSIST_CLASS(CBrivastBroadcast, CWebObject, FourCharCode("bvbr"))

CBrivastBroadcast::CBrivastBroadcast(const CBrivastBroadcast& other) : CWebObject(other) {}

CBrivastBroadcast& CBrivastBroadcast::operator=(const CBrivastBroadcast& other)
{
    CWebObject::operator=(other);
    return *this;
}

CString CBrivastBroadcast::ValidateName(const char* name)
{
    return CString(UStringBuffer::TrimText(name));
}

MV_IMPLEMENT_PLAIN_PROPERTY(CBrivastBroadcast, Category, ULONG, ULONG, m_category, kCategoryChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CBrivastBroadcast, SubCategory, ULONG, ULONG, m_subCategory,
                            kSubCategoryChangedNotice)
