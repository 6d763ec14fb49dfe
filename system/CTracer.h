#pragma once
// The framework's tracing hook; it produces no output.
#include "CLibrary.h"

class CTracer : public CLibrary {
public:
    CTracer();
    CTracer(const CTracer& other);
    CTracer& operator=(const CTracer&) = default;
    ~CTracer() override;

    bool LoadLibraryA() override { return false; }

    static void Trace(const char* text);
    static void Prompt(const char*) {}
    virtual void DebugTrace(const char*) {}
    virtual void DebugPrompt(const char*) {}

    // The first tracer constructed in the process.
    static CTracer* sTracer;
};
