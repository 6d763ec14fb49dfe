#pragma once
// Helpers of the capture tests: joining two filters' named pins, the media time that has
// passed a filter, and waiting for a condition with a deadline.
#include "com/ComRuntime.h"
#include "dshow/DShowInterfaces.h"

#include <chrono>
#include <functional>
#include <thread>

// Connects the output pin `out` of one filter to the input pin `in` of another.
inline HRESULT LinkPins(IGraphBuilder* graph, IBaseFilter* from, const char16_t* out, IBaseFilter* to, const char16_t* in)
{
    IPin* output = nullptr;
    IPin* input = nullptr;
    HRESULT hr = from && to && SUCCEEDED(from->FindPin(out, &output)) && SUCCEEDED(to->FindPin(in, &input))
        ? graph->ConnectDirect(output, input, nullptr)
        : VFW_E_NOT_FOUND;
    SafeRelease(output);
    SafeRelease(input);
    return hr;
}

// Seconds of media that have passed the filter; -1 when it cannot tell.
inline double PassTime(IBaseFilter* filter)
{
    IFilterPassTime* pass = nullptr;
    double seconds = -1;
    if (filter && SUCCEEDED(QueryInterfaceTo<IFilterPassTime>(filter, &pass))) {
        pass->GetPassTime(&seconds);
        pass->Release();
    }
    return seconds;
}

// Polls until the condition holds or the deadline passes; whether it held.
inline bool WaitUntil(const std::function<bool()>& condition, std::chrono::seconds deadline = std::chrono::seconds(60))
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}
