#include "CMpegAudioDecoderSetter.h"

#include "SystemFilterInterfaces.h"

bool CMpegAudioDecoderSetter::SetDualMode(unsigned long mode)
{
    IMpegAudioDecoder* decoder = Interface();
    return decoder && SUCCEEDED(decoder->put_DualMode(mode));
}
