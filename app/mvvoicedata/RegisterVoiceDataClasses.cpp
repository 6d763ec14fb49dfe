// Registers every persistent class of mvvoicedata, in this order, when the library loads.
#include "CSpeechControl.h"
#include "CTelloraData.h"

MV_REGISTER_PERSIST_CLASS(CSpeechControl)
MV_REGISTER_PERSIST_CLASS(CTelloraData)
