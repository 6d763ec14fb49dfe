#pragma once
// The test module's own calls, beside the producer's two entry points.
// Audiences are the files of the folder given to the enumerator, in name order: the first
// line is the audience's name ("-" for none), each further line the "pluginType" of one
// output stream. A file whose name starts with "broken" cannot be opened as an audience.
#include <cstddef>

extern "C" {
// The run of texts last passed to SetDLLAccessPath, its zeros as '|'.
const char* FakeProducer_AccessPaths();
// How many of the module's objects are alive.
int FakeProducer_LiveObjects();
}
