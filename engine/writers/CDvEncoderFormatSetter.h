#pragma once
// Sets the DV encoder's video format (PAL or NTSC) and DV format.
#include "SystemFilterInterfaces.h"
#include "TInterfaceSetter.h"

class CDvEncoderFormatSetter : public TInterfaceSetter<IDVEnc> {
public:
    using TInterfaceSetter::TInterfaceSetter;
    // False when the filter lacks the interface or refuses the value.
    bool SetFormat(int videoFormat, int dvFormat, int resolution);
};
