#include "StQt3g2Codecs.h"

StQt3g2Codecs::StQt3g2Codecs() : StQtCodecs(631, Code("3gpp"))
{
    Add3gpCodecs("Apple H.263 for 3GPP2", {{96, 80}, {128, 96}, {176, 144}});
}
