#include "StApplicationId.h"

StApplicationId* StApplicationId::sId = nullptr;

StApplicationId::StApplicationId(unsigned long id) : mId(id)
{
    Claim();
}

StApplicationId::StApplicationId(const StApplicationId& other) : mId(other.mId)
{
    // A copy is an ordinary holder unless nobody holds the process-wide place.
    Claim();
}

StApplicationId& StApplicationId::operator=(const StApplicationId& other)
{
    mId = other.mId;
    return *this;
}

StApplicationId::~StApplicationId()
{
    if (sId == this)
        sId = nullptr;
}

unsigned long StApplicationId::Id()
{
    return sId ? sId->mId : 0;
}

void StApplicationId::Claim()
{
    if (!sId)
        sId = this;
}
