#include "CMetaClassController.h"

#include "CMetaClass.h"
#include "CPointerList.h"

#include <cstdint>

namespace {

bool Close(LONG a, LONG b)
{
    int64_t d = int64_t(a) - int64_t(b);
    return d >= -20 && d <= 20;
}

}

CPointerList& CMetaClassController::mClassList()
{
    // Never destroyed: records of libraries unloading late still remove themselves.
    static CPointerList* list = new CPointerList;
    return *list;
}

void CMetaClassController::AddMetaClass(CMetaClass* metaClass)
{
    mClassList().Add(metaClass);
}

void CMetaClassController::RemoveMetaClass(CMetaClass* metaClass)
{
    mClassList().Remove(metaClass);
}

CMetaClass* CMetaClassController::GetMetaClass(LONG type)
{
    CPointerList& list = mClassList();
    for (int i = 0; i < list.GetItemCount(); ++i) {
        auto* record = static_cast<CMetaClass*>(list.GetAt(i));
        if (record->GetType() == type) return record;
    }
    return nullptr;
}

CPersistObject* CMetaClassController::CreateOne(LONG type)
{
    CMetaClass* record = GetMetaClass(type);
    return record ? record->CreateOne() : nullptr;
}

CMetaClass* CMetaClassController::FindCloseRange(LONG type)
{
    CPointerList& list = mClassList();
    for (int i = 0; i < list.GetItemCount(); ++i) {
        auto* record = static_cast<CMetaClass*>(list.GetAt(i));
        if (Close(record->GetType(), type)) return record;
    }
    return nullptr;
}

bool CMetaClassController::Verify(CMetaClass* metaClass)
{
    CPointerList& list = mClassList();
    for (int i = 0; i < list.GetItemCount(); ++i) {
        auto* record = static_cast<CMetaClass*>(list.GetAt(i));
        if (record != metaClass && Close(record->GetType(), metaClass->GetType())) return false;
    }
    return true;
}
