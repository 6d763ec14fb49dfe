#pragma once
// Private interfaces of the writer filters that their wrappers fill before connection.
#include "ConstGuid.h"
#include "com/Unknown.h"
#include "dshow/images/ImageInterfaces.h"
#include "dshow/interfaces/MpegWriterInterfaces.h"
