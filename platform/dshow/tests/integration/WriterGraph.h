#pragma once
// A WAV file through the media file source into a writer filter already made and set up:
// the source's "Audio" pin to the writer's pin of that name.
#include "com/ComRuntime.h"
#include "dshow/FileSource.h"
#include "dshow/FilterGraph.h"
#include "dshow/WideText.h"

#include "MediaFiles.h"

#include <filesystem>

// The graph's ending event, or -1 when it could not be built.
inline LONG WriteThrough(const std::filesystem::path& wav, IBaseFilter* writer, const char16_t* pin,
                         const std::filesystem::path& target)
{
    IGraphBuilder* graph = nullptr;
    IBaseFilter* source = nullptr;
    IFileSourceFilter* loader = nullptr;
    IFileSinkFilter* sink = nullptr;
    IPin* out = nullptr;
    IPin* in = nullptr;
    const bool built =
        SUCCEEDED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                   reinterpret_cast<void**>(&graph))) &&
        SUCCEEDED(CoCreateInstance(CLSID_FileSource, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                   reinterpret_cast<void**>(&source))) &&
        SUCCEEDED(QueryInterfaceTo(source, &loader)) && SUCCEEDED(loader->Load(WideText(wav.string()).c_str(), nullptr)) &&
        SUCCEEDED(graph->AddFilter(source, u"Source")) && SUCCEEDED(QueryInterfaceTo(writer, &sink)) &&
        SUCCEEDED(sink->SetFileName(WideText(target.string()).c_str(), nullptr)) &&
        SUCCEEDED(graph->AddFilter(writer, u"Writer")) && SUCCEEDED(source->FindPin(u"Audio", &out)) &&
        SUCCEEDED(writer->FindPin(pin, &in)) && SUCCEEDED(graph->Connect(out, in));
    const LONG code = built ? RunGraphToEnd(graph, 30000) : -1;
    for (IUnknown* u : std::initializer_list<IUnknown*>{in, out, sink, loader, source, graph})
        if (u) u->Release();
    return code;
}
