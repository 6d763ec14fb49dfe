#pragma once
// The Windows Media header attributes of a source or writer filter, as the tag reader and
// writer use them: the platform's Windows Media format interfaces.
#include "wmf/WmInterfaces.h"
