#pragma once
// Sets the dual-channel mode of the MPEG audio decoder (0 merge, 1 left, 2 right).
#include "SystemFilterInterfaces.h"
#include "TInterfaceSetter.h"

class CMpegAudioDecoderSetter : public TInterfaceSetter<IMpegAudioDecoder> {
public:
    using TInterfaceSetter::TInterfaceSetter;
    // False when the filter lacks the interface or refuses the value.
    bool SetDualMode(unsigned long mode);
};
