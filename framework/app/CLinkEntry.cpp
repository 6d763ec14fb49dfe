#include "CLinkEntry.h"

#include "StApplicationId.h"
#include "UApplicationUtils.h"

#include <cstring>

bool CLinkEntry::IsCurrentProduct() const
{
    const char* name = UApplicationUtils::GetShortApplicationName(StApplicationId::Id());
    return name && std::strstr(name, m_tag) != nullptr;
}
