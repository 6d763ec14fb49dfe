#pragma once
// The private switch of the encoder filter set, which the engine turns on in every filter
// that offers it, is declared with the filters. (The elapsed-time interface is the
// platform's IFilterPassTime.)
#include "dshow/interfaces/EncoderSetInterfaces.h"
