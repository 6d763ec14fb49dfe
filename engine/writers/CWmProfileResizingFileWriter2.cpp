#include "CWmProfileResizingFileWriter2.h"

CWmProfileResizingFileWriter2::CWmProfileResizingFileWriter2(CDirectShowGraph* graph, const char* name)
    : CWmProfileFileWriter2(graph, name)
{
}
