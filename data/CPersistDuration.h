#pragma once
// A length of time in hours, minutes and seconds; the hours may pass a day.
#include "CPersistTime.h"

class CPersistDuration : public CPersistTime {
    MV_DECLARE_PERSIST_CLASS(CPersistDuration)
public:
    CPersistDuration() = default;
    CPersistDuration(const CPersistDuration& other) = default;
    CPersistDuration& operator=(const CPersistDuration& other) = default;
    ~CPersistDuration() override = default;

    unsigned short ValidateHour(unsigned short hour) override;
};
