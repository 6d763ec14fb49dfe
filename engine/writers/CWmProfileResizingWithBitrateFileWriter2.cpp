#include "CWmProfileResizingWithBitrateFileWriter2.h"

CWmProfileResizingWithBitrateFileWriter2::CWmProfileResizingWithBitrateFileWriter2(CDirectShowGraph* graph,
                                                                                   const char* name)
    : CWmProfileResizingFileWriter2(graph, name)
{
}
