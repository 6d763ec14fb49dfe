#pragma once
// The tag interface of the encoder filter set, declared with the filters: a writer filter
// that offers it stores each tag given into the file it writes.
#include "dshow/interfaces/EncoderSetInterfaces.h"
