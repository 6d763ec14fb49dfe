#include "sapi/SpeechEngine.h"

#include "sapi/EspeakEngine.h"

#include <atomic>

namespace {
std::atomic<CSpeechEngine*> gCurrent{nullptr};
}

CSpeechEngine& CSpeechEngine::Current()
{
    CSpeechEngine* engine = gCurrent.load();
    return engine ? *engine : CEspeakEngine::Instance();
}

void CSpeechEngine::SetCurrent(CSpeechEngine* engine)
{
    gCurrent.store(engine);
}
