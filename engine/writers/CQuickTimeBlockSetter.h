#pragma once
// Tells a file source whether to read QuickTime files as blocks.
#include "EncoderSetInterfaces.h"
#include "TInterfaceSetter.h"

class CQuickTimeBlockSetter : public TInterfaceSetter<IQuickTimeBlockSetting> {
public:
    using TInterfaceSetter::TInterfaceSetter;
    // False when the filter lacks the interface or refuses the value.
    bool SetBlock(bool block);
};
