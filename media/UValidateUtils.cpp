#include "UValidateUtils.h"

#include "CPersistObject.h"

const char* UValidateUtils::SelfThenPart(CPersistObject& self, CPersistObject& part)
{
    const char* error = self.CPersistObject::Validate(true);
    if (error && *error) return error;
    return part.Validate(true);
}
