#pragma once
// One name/value property of a property list; its text is stored under "Value".
#include "TNamedText.h"

struct PropertyValueTraits {
    static constexpr const char* kDefault = "Untitled";
    static constexpr const char* kTag = "Value";
    static constexpr LONG kNotice = FourCharCode("prpw");
};

class CPropertyValue : public TNamedText<PropertyValueTraits> {
    MV_DECLARE_PERSIST_CLASS(CPropertyValue)
};
