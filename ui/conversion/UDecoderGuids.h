#pragma once
// Shows decoders by name in a media file's properties.
class CPropertyList;

class UDecoderGuids {
public:
    // Every "  Decoder" value that names a registered video or audio decoder by its id
    // becomes that decoder's name; other values stay.
    static void ReplaceGuid(CPropertyList& list);
};
