#pragma once
// The two shapes every stage of a transform chain follows: appended behind the chain's
// current end, and released with both its links.
#include "CFilterPin.h"

// Unlinks the stage's output and input, releases its filter and deletes it.
template <class F>
void ReleaseStage(F*& stage)
{
    if (!stage) return;
    if (stage->GetOutputPin()) stage->GetOutputPin()->Disconnect();
    if (stage->GetInputPin()) stage->GetInputPin()->Disconnect();
    stage->Release();
    delete stage;
    stage = nullptr;
}

// Makes the stage once, lets setup give it its parameters, creates its filter and links
// its input to the chain's end; a stage that fails is released.
template <class F, class Setup>
bool AppendStage(F*& stage, CDirectShowGraph* graph, CFilterPin* end, Setup setup,
                 const AM_MEDIA_TYPE* type = nullptr)
{
    if (!stage) stage = new F(graph);
    setup(*stage);
    if (end && stage->Create() && stage->GetInputPin() && stage->GetInputPin()->Connect(end, type)) return true;
    ReleaseStage(stage);
    return false;
}

// For stages without parameters.
template <class F>
void NoSetup(F&)
{
}

// The stage's output pin when the pin feeds its input.
template <class F>
bool StageAfter(F* stage, CFilterPin* pin, CFilterPin*& next)
{
    if (!stage || !pin || !pin->GetConnectedPin() || pin->GetConnectedPin() != stage->GetInputPin()) return false;
    next = stage->GetOutputPin();
    return true;
}

// The pin feeding the stage whose output the pin is.
template <class F>
bool StageBefore(F* stage, CFilterPin* pin, CFilterPin*& previous)
{
    if (!stage || !pin || stage->GetOutputPin() != pin) return false;
    previous = stage->GetInputPin() ? stage->GetInputPin()->GetConnectedPin() : nullptr;
    return true;
}
