#include "StQt3gpCodecs.h"

StQt3gpCodecs::StQt3gpCodecs() : StQtCodecs(630, Code("3gpp"))
{
    Add3gpCodecs("Apple H.263 for 3GPP", {{128, 96}, {176, 144}});
}
