#pragma once
// Tells the animated-image multiplexer whether the animation loops.
#include "EncoderSetInterfaces.h"
#include "TInterfaceSetter.h"

class CAnimatedGifMuxSetter : public TInterfaceSetter<IAnimatedGifSettings> {
public:
    using TInterfaceSetter::TInterfaceSetter;
    // False when the filter lacks the interface or refuses the value.
    bool SetLoop(bool loop);
};
