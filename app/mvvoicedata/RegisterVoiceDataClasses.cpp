// Registers every persistent class of mvvoicedata, in this order, when the library loads.
#include "CSpeechControl.h"

MV_REGISTER_PERSIST_CLASS(CSpeechControl)
