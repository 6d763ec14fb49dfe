#pragma once
// A name with a text value, stored under "value".
#include "TNamedText.h"

struct NamedValueTraits {
    static constexpr const char* kDefault = "";
    static constexpr const char* kTag = "value";
    static constexpr LONG kNotice = FourCharCode("namp");
};

class CNamedValue : public TNamedText<NamedValueTraits> {
    MV_DECLARE_PERSIST_CLASS(CNamedValue)
};
