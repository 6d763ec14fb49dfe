#include "StDirectShow.h"

#include "com/ComRuntime.h"

StDirectShow* StDirectShow::sDirectShow = nullptr;

StDirectShow::StDirectShow()
{
    CoInitialize(nullptr);
    if (!sDirectShow) sDirectShow = this;
}

StDirectShow::~StDirectShow()
{
    if (sDirectShow == this) sDirectShow = nullptr;
    CoUninitialize();
}
