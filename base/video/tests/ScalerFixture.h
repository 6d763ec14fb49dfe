#pragma once
// Sets a scaler up directly on caller frames, as the bitmap capture does.
#include <vector>

#include "CVideoConverter.h"
#include "CVideoScaler.h"

inline void SetUpScaler(CVideoScaler& s, EColorFormat in, unsigned short iw, unsigned short ih, EColorFormat out,
                        unsigned short ow, unsigned short oh)
{
    s.SetOriginalWidth(iw);
    s.SetOriginalHeight(ih);
    s.SetInputColor(in);
    s.SetTargetWidth(ow);
    s.SetTargetHeight(oh);
    s.SetOutputColor(out);
    s.SetOutputTopDown(true);
}

// Runs the scaler once over the frames.
inline void ScaleOnce(CVideoScaler& s, std::vector<BYTE>& in, std::vector<BYTE>& out)
{
    s.SetInputData(in.data());
    s.SetOutputData(out.data());
    s.Scale();
}
