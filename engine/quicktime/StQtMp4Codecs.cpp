#include "StQtMp4Codecs.h"

#include "StQuickTime.h"

StQtMp4Codecs::StQtMp4Codecs() : StQtCodecs(640, Code("mpg4"))
{
    AddAAC();
    AddVideoCodec("MPEG-4 Video Basic", "Apple MPEG-4 Video ISMA Profile 0", Code("mp4v"), 1, 32);
    AddVideoCodec("MPEG-4 Video Improved", "Apple MPEG-4 Video ISMA Profile 1", Code("mp4v"), 1, 32);
    if (StQuickTime::SupportH264()) AddH264();
}
