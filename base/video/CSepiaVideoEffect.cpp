#include "CSepiaVideoEffect.h"

#include "CVideoScaler.h"

void CSepiaVideoEffect::SetupVideoScaler(CVideoScaler* scaler)
{
    if (scaler) {
        scaler->SetGreyU(115);
        scaler->SetGreyV(151);
    }
}
