#pragma once
// Hands the converted samples of a converter on as timed PCM samples.
#include "dshow/DShowTypes.h"

class CAudioConverter;
class CBasePin;

// Whole chunks only, unless `final`, which also sends the rest. `next` is the time of
// the next sample and moves on with each chunk. An unconnected pin drops the data.
HRESULT DeliverPcm(CAudioConverter& converter, int bytesPerSample, CBasePin* out, REFERENCE_TIME& next, bool final);
