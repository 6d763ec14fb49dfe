#include "CWmProfileFileWriter2.h"

CWmProfileFileWriter2::CWmProfileFileWriter2(CDirectShowGraph* graph, const char* name) : CWmAsfWriter(graph, name)
{
}
