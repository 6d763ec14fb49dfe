#include "CSarvexMpegWriter.h"

#include "WriterIds.h"

CSarvexMpegWriter::CSarvexMpegWriter(CDirectShowGraph* graph, const char* name) : CFileWriterFilter(graph, name)
{
    SetId(CLSID_SarvexMpegWriter);
    AddStreamPins();
}

bool CSarvexMpegWriter::SetupBeforeConnect()
{
    // The writer's stream interface is not offered on this platform: a writer that cannot
    // be told its stream format fails rather than write a file of the wrong kind.
    return false;
}
