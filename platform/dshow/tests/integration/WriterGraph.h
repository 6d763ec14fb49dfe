#pragma once
// Writer filters already made and set up, fed by a source through a graph run to its end.
#include "com/ComRuntime.h"
#include "dshow/FileSource.h"
#include "dshow/FilterGraph.h"
#include "dshow/WideText.h"

#include "MediaFiles.h"

#include <cstdlib>
#include <filesystem>
#include <string>

struct SWriterLink {
    const char16_t* from; // the source's pin
    const char16_t* to;   // the writer's
};

// A source filter already made, its pins linked to the writer's as listed; the graph's
// ending event, or -1 when it could not be built.
inline LONG WriteLinked(IBaseFilter* source, IBaseFilter* writer, std::initializer_list<SWriterLink> links,
                        const std::filesystem::path& target)
{
    IGraphBuilder* graph = nullptr;
    IFileSinkFilter* sink = nullptr;
    bool built = SUCCEEDED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                            reinterpret_cast<void**>(&graph))) &&
                 SUCCEEDED(graph->AddFilter(source, u"Source")) && SUCCEEDED(QueryInterfaceTo(writer, &sink)) &&
                 SUCCEEDED(sink->SetFileName(WideText(target.string()).c_str(), nullptr)) &&
                 SUCCEEDED(graph->AddFilter(writer, u"Writer"));
    for (const SWriterLink& link : links) {
        IPin* out = nullptr;
        IPin* in = nullptr;
        built = built && SUCCEEDED(source->FindPin(link.from, &out)) && SUCCEEDED(writer->FindPin(link.to, &in)) &&
                SUCCEEDED(graph->Connect(out, in));
        SafeRelease(out);
        SafeRelease(in);
    }
    const LONG code = built ? RunGraphToEnd(graph, 60000) : -1;
    SafeRelease(sink);
    SafeRelease(graph);
    return code;
}

inline LONG WriteFrom(IBaseFilter* source, const char16_t* sourcePin, IBaseFilter* writer, const char16_t* pin,
                      const std::filesystem::path& target)
{
    return WriteLinked(source, writer, {{sourcePin, pin}}, target);
}

// The media file source with the file loaded, or null.
inline IBaseFilter* LoadMediaSource(const std::filesystem::path& file)
{
    IBaseFilter* source = nullptr;
    IFileSourceFilter* loader = nullptr;
    const bool loaded = SUCCEEDED(CoCreateInstance(CLSID_FileSource, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                                   reinterpret_cast<void**>(&source))) &&
                        SUCCEEDED(QueryInterfaceTo(source, &loader)) &&
                        SUCCEEDED(loader->Load(WideText(file.string()).c_str(), nullptr));
    SafeRelease(loader);
    if (!loaded) SafeRelease(source);
    return source;
}

// The WAV through the media file source; the graph's ending event, or -1.
inline LONG WriteThrough(const std::filesystem::path& wav, IBaseFilter* writer, const char16_t* pin,
                         const std::filesystem::path& target)
{
    IBaseFilter* source = LoadMediaSource(wav);
    const LONG code = source ? WriteFrom(source, u"Audio", writer, pin, target) : -1;
    SafeRelease(source);
    return code;
}

// A clip the ffmpeg tool makes from its lavfi sources, written by a new writer of that class
// with the pins linked as listed; the graph's ending event, or -1.
inline LONG WriteMadeClip(const std::string& sources, const std::filesystem::path& clip, REFCLSID writerClass,
                          std::initializer_list<SWriterLink> links, const std::filesystem::path& target)
{
    const std::string make = "ffmpeg -nostdin -v error -y " + sources + " '" + clip.string() + "'";
    if (std::system(make.c_str()) != 0) return -1;
    IBaseFilter* source = LoadMediaSource(clip);
    IBaseFilter* writer = nullptr;
    const LONG code = source && SUCCEEDED(CoCreateInstance(writerClass, nullptr, CLSCTX_INPROC_SERVER,
                                                           IBaseFilter::kIid, reinterpret_cast<void**>(&writer)))
                          ? WriteLinked(source, writer, links, target)
                          : -1;
    SafeRelease(writer);
    SafeRelease(source);
    return code;
}
