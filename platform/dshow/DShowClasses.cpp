// Registers the graph manager and this layer's filters when the library loads.
#include "dshow/FilterGraph.h"
#include "dshow/FilterRegistry.h"
#include "dshow/SinkFilter.h"

namespace {

struct Registrar {
    Registrar()
    {
        DShowRegisterGraph();
        // Last choice of Render: a stream nothing else takes is consumed unseen.
        DShowRegisterFilter(CLSID_NullRenderer, "Null Renderer", FilterRole::Renderer, 1, &CNullRenderer::Create);
    }
} gRegistrar;

} // namespace
