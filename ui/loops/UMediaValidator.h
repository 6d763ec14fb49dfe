#pragma once
// A warning before a conversion whose audio encoder is known to stop video conversions early.
class CMediaOutput2;

class UMediaValidator {
public:
    // True unless the output cannot be converted; a warning may be shown on the way.
    static bool Validate(CMediaOutput2* output, bool skip);
    static bool ValidateMp3(CMediaOutput2* output);
};
