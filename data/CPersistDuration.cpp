#include "CPersistDuration.h"

MV_IMPLEMENT_PERSIST_CLASS(CPersistDuration, CPersistTime, FourCharCode("pdur"))

unsigned short CPersistDuration::ValidateHour(unsigned short hour)
{
    return hour;
}
