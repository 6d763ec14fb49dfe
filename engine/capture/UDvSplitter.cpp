#include "UDvSplitter.h"

#include "CSplitterFilter.h"
#include "DvFilterIds.h"

std::unique_ptr<CSplitterFilter> UDvSplitter::Make(CDirectShowGraph* graph, const char* name)
{
    auto splitter = std::make_unique<CSplitterFilter>(graph, name);
    splitter->SetId(CLSID_DvSplitter);
    splitter->SetSystemComponent(true);
    return splitter;
}
