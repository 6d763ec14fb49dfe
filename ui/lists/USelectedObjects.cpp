#include "USelectedObjects.h"

#include "CObjectDisplay.h"
#include "CPersistObject.h"
#include "CPointerList.h"

std::vector<CPersistObject*> USelectedObjects::Of(CObjectDisplay& list, LONG type)
{
    CPointerList selection;
    list.GetSelection(selection);
    std::vector<CPersistObject*> objects;
    for (int i = 0; i < selection.GetItemCount(); ++i) {
        CPersistObject* object = static_cast<CObjectDisplay*>(selection.GetAt(i))->GetObjectA();
        if (object && object->IsInstanceOf(type)) objects.push_back(object);
    }
    return objects;
}
