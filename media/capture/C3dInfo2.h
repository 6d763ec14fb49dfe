#pragma once
// The anaglyph settings of a stereo recording: colour or grey, and the filter colour.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

using EAnaglyphColor = LONG;
using EAnaglyphFilter = LONG;

class C3dInfo2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(C3dInfo2)
public:
    // Keys "color" and "anaglyph".
    bool GetEnumText(const char* field, CEnumMap& map) override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // A new colour mode starts from the first filter.
    MV_DECLARE_PROPERTY(AnaglyphColor, EAnaglyphColor, EAnaglyphColor)
    // Only the first filter in colour mode 0.
    MV_DECLARE_PROPERTY(AnaglyphFilter, EAnaglyphFilter, EAnaglyphFilter)

    EAnaglyphColor GetAnaglyphColor() const { return m_anaglyphColor; }
    EAnaglyphFilter GetAnaglyphFilter() const { return m_anaglyphFilter; }

    static constexpr LONG kAnaglyphColorChangedNotice = FourCharCode("3di!");
    static constexpr LONG kAnaglyphFilterChangedNotice = FourCharCode("3di\"");

private:
    EAnaglyphColor m_anaglyphColor = 0;
    EAnaglyphFilter m_anaglyphFilter = 0;
};
