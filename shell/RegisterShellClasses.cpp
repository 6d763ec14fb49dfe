// Registers every persistent class of mvshell when the library loads.
#include "CMorvaneXmlAppVersion.h"

MV_REGISTER_PERSIST_CLASS(CMorvaneXmlAppVersion)
