#include "CDvEncoderFormatSetter.h"

#include "SystemFilterInterfaces.h"

bool CDvEncoderFormatSetter::SetFormat(int videoFormat, int dvFormat, int resolution)
{
    IDVEnc* encoder = Interface();
    return encoder && SUCCEEDED(encoder->put_IFormatResolution(videoFormat, dvFormat, resolution, 0, nullptr));
}
