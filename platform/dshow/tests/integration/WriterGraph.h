#pragma once
// Writer filters already made and set up, fed by a source through a graph run to its end.
#include "com/ComRuntime.h"
#include "dshow/FileSource.h"
#include "dshow/FilterGraph.h"
#include "dshow/WideText.h"

#include "MediaFiles.h"

#include <filesystem>

// A source filter already made, its pin of that name to the writer's; the graph's ending
// event, or -1 when it could not be built.
inline LONG WriteFrom(IBaseFilter* source, const char16_t* sourcePin, IBaseFilter* writer, const char16_t* pin,
                      const std::filesystem::path& target)
{
    IGraphBuilder* graph = nullptr;
    IFileSinkFilter* sink = nullptr;
    IPin* out = nullptr;
    IPin* in = nullptr;
    const bool built =
        SUCCEEDED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                   reinterpret_cast<void**>(&graph))) &&
        SUCCEEDED(graph->AddFilter(source, u"Source")) && SUCCEEDED(QueryInterfaceTo(writer, &sink)) &&
        SUCCEEDED(sink->SetFileName(WideText(target.string()).c_str(), nullptr)) &&
        SUCCEEDED(graph->AddFilter(writer, u"Writer")) && SUCCEEDED(source->FindPin(sourcePin, &out)) &&
        SUCCEEDED(writer->FindPin(pin, &in)) && SUCCEEDED(graph->Connect(out, in));
    const LONG code = built ? RunGraphToEnd(graph, 60000) : -1;
    for (IUnknown* u : std::initializer_list<IUnknown*>{in, out, sink, graph})
        if (u) u->Release();
    return code;
}

// The WAV through the media file source; the graph's ending event, or -1.
inline LONG WriteThrough(const std::filesystem::path& wav, IBaseFilter* writer, const char16_t* pin,
                         const std::filesystem::path& target)
{
    IBaseFilter* source = nullptr;
    IFileSourceFilter* loader = nullptr;
    const bool loaded = SUCCEEDED(CoCreateInstance(CLSID_FileSource, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                                   reinterpret_cast<void**>(&source))) &&
                        SUCCEEDED(QueryInterfaceTo(source, &loader)) &&
                        SUCCEEDED(loader->Load(WideText(wav.string()).c_str(), nullptr));
    const LONG code = loaded ? WriteFrom(source, u"Audio", writer, pin, target) : -1;
    SafeRelease(loader);
    SafeRelease(source);
    return code;
}
