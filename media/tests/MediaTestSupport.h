#pragma once
// The mvmedia tests use the same notice recorder and storage round trips as mvdata's.
#include "../../data/tests/DataTestSupport.h"
