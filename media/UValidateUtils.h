#pragma once
// The validation chain of the records that own the object to check: the owner's own
// message first, else the part's (which announces its failure itself).
class CPersistObject;

class UValidateUtils {
public:
    static const char* SelfThenPart(CPersistObject& self, CPersistObject& part);
};
