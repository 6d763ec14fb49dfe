#pragma once
// A sub-category of the broadcast service. Stored under the category's code, which
// makes a category when loaded by code.
#include "CBrivastIdObject.h"

class CBrivastSubCategory : public CBrivastIdObject {
    MV_DECLARE_PERSIST_CLASS(CBrivastSubCategory)
};
