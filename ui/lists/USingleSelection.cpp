#include "USingleSelection.h"

#include "CObjectDisplay.h"
#include "CPersistObject.h"

CPersistObject* USingleSelection::GetObject(CObjectDisplay& list, LONG type)
{
    if (list.GetSelectionCount() != 1) return nullptr;
    CObjectDisplay* row = list.GetSelection();
    CPersistObject* object = row ? row->GetObjectA() : nullptr;
    return object && object->IsInstanceOf(type) ? object : nullptr;
}
