#pragma once
// Tells a file source whether to read QuickTime files as blocks.
#include "TInterfaceSetter.h"

struct IQuickTimeBlockSetting;

class CQuickTimeBlockSetter : public TInterfaceSetter<IQuickTimeBlockSetting> {
public:
    using TInterfaceSetter::TInterfaceSetter;
    // False when the filter lacks the interface or refuses the value.
    bool SetBlock(bool block);
};
