#include "CSubtitleTrack.h"

MV_IMPLEMENT_PERSIST_CLASS(CSubtitleTrack, CMediaTrack, FourCharCode("strk"))
