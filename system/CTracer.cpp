#include "CTracer.h"

CTracer* CTracer::sTracer = nullptr;

CTracer::CTracer() : CLibrary("")
{
    if (!sTracer) sTracer = this;
}

CTracer::CTracer(const CTracer& other) : CLibrary(other)
{
    if (!sTracer) sTracer = this;
}

CTracer::~CTracer()
{
    if (sTracer == this) sTracer = nullptr;
}

void CTracer::Trace(const char* text)
{
    if (sTracer) sTracer->DebugTrace(text);
}
