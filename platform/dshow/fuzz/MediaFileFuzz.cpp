// Feeds arbitrary bytes as a media file through a graph: file source, whatever decoder
// it needs, and a renderer. Loading may fail; a graph that loads must end with an
// event (complete or aborted), never hang or crash.
#include "com/ComRuntime.h"
#include "dshow/AudioRenderer.h"
#include "dshow/FilterGraph.h"
#include "dshow/FilterRegistry.h"
#include "dshow/WideText.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Unpaced: streams end in the null renderer, not the sound device.
    static const bool quiet = (DShowUnregisterFilter(CLSID_AudioRender), true);
    (void)quiet;
    char path[] = "/tmp/mvdshow_fuzz_XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0) return 0;
    bool written = write(fd, data, size) == ssize_t(size);
    close(fd);
    if (written) {
        CoInitialize(nullptr);
        IGraphBuilder* graph = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                       reinterpret_cast<void**>(&graph)))) {
            if (SUCCEEDED(graph->RenderFile(WideText(path).c_str(), nullptr))) {
                IMediaControl* control = nullptr;
                IMediaEvent* events = nullptr;
                QueryInterfaceTo<IMediaControl>(graph, &control);
                QueryInterfaceTo<IMediaEvent>(graph, &events);
                if (SUCCEEDED(control->Run())) {
                    LONG code = 0;
                    LONG_PTR p1 = 0, p2 = 0;
                    if (events->GetEvent(&code, &p1, &p2, 20000) != S_OK) std::abort();
                }
                control->Stop();
                events->Release();
                control->Release();
            }
            graph->Release();
        }
        CoUninitialize();
    }
    std::remove(path);
    return 0;
}
