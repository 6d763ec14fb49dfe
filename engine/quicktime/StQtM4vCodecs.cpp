#include "StQtM4vCodecs.h"

#include "StQuickTime.h"

StQtM4vCodecs::StQtM4vCodecs() : StQtCodecs(660, Code("M4V "))
{
    AddAAC();
    if (StQuickTime::SupportH264()) AddH264();
}
