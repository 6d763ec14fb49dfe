#include "CAnimatedGifMuxSetter.h"

#include "EncoderSetInterfaces.h"

bool CAnimatedGifMuxSetter::SetLoop(bool loop)
{
    IAnimatedGifSettings* settings = Interface();
    return settings && SUCCEEDED(settings->SetLoop(loop ? 1 : 0));
}
