#include "CBrivastSubCategory.h"

MV_IMPLEMENT_PERSIST_CLASS(CBrivastSubCategory, CBrivastIdObject, FourCharCode("bvca"))
