#include "CQuickTimeBlockSetter.h"

#include "EncoderSetInterfaces.h"

bool CQuickTimeBlockSetter::SetBlock(bool block)
{
    IQuickTimeBlockSetting* setting = Interface();
    return setting && SUCCEEDED(setting->SetBlock(block ? 1 : 0));
}
