#include "C3dInfo2.h"

#include "CEnumMap.h"
#include "CPersistStorage.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(C3dInfo2, CPersistObject, FourCharCode("3di "))

namespace {
const char* const kColorTag = "color";
const char* const kAnaglyphTag = "anaglyph";
}

bool C3dInfo2::GetEnumText(const char* field, CEnumMap& map)
{
    if (field && std::strcmp(field, kColorTag) == 0) {
        map.Add(0, "Color");
        map.Add(1, "Grey Scale");
        return true;
    }
    if (field && std::strcmp(field, kAnaglyphTag) == 0) {
        map.Add(0, "Cyan");
        map.Add(1, "Blue");
        map.Add(2, "Green");
        return true;
    }
    return CPersistObject::GetEnumText(field, map);
}

void C3dInfo2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kColorTag, m_anaglyphColor);
    storage.Save(kAnaglyphTag, m_anaglyphFilter);
}

void C3dInfo2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kColorTag, m_anaglyphColor);
    storage.Load(kAnaglyphTag, m_anaglyphFilter);
}

MV_IMPLEMENT_PLAIN_VALIDATOR(C3dInfo2, AnaglyphColor, EAnaglyphColor, EAnaglyphColor)
void C3dInfo2::SideEffectAnaglyphColorChanged() { SetAnaglyphFilter(0); }
MV_IMPLEMENT_PROPERTY_SETTER(C3dInfo2, AnaglyphColor, EAnaglyphColor, m_anaglyphColor, kAnaglyphColorChangedNotice)

EAnaglyphFilter C3dInfo2::ValidateAnaglyphFilter(EAnaglyphFilter filter) { return m_anaglyphColor == 0 ? 0 : filter; }
MV_IMPLEMENT_NO_SIDE_EFFECT(C3dInfo2, AnaglyphFilter)
MV_IMPLEMENT_PROPERTY_SETTER(C3dInfo2, AnaglyphFilter, EAnaglyphFilter, m_anaglyphFilter,
                             kAnaglyphFilterChangedNotice)
