#pragma once
// The system's DV splitter, made the one way every DV set and bridge needs it.
#include <memory>

class CDirectShowGraph;
class CSplitterFilter;

class UDvSplitter {
public:
    static std::unique_ptr<CSplitterFilter> Make(CDirectShowGraph* graph, const char* name = "DV Splitter");
};
