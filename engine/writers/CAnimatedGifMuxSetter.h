#pragma once
// Tells the animated-image multiplexer whether the animation loops.
#include "TInterfaceSetter.h"

struct IAnimatedGifSettings;

class CAnimatedGifMuxSetter : public TInterfaceSetter<IAnimatedGifSettings> {
public:
    using TInterfaceSetter::TInterfaceSetter;
    // False when the filter lacks the interface or refuses the value.
    bool SetLoop(bool loop);
};
