#pragma once
// The LAME library file the MP3 encoder loads.
#include "CPersistFile2.h"

class CSettingLameDll : public CPersistFile2 {
    MV_DECLARE_PERSIST_CLASS(CSettingLameDll)
};
