#include "EngineGuid.h"

#include "com/Guid.h"

GUID EngineGuid(const char* text)
{
    GUID guid = GUID_NULL;
    if (!GuidFromText(text, &guid)) guid = GUID_NULL;
    return guid;
}
