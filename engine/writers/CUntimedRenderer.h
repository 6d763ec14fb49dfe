#pragma once
// A renderer that takes samples as fast as they come and counts them.
#include "COutputFilter.h"

struct ISampleCounter;

class CUntimedRenderer : public COutputFilter {
public:
    explicit CUntimedRenderer(CDirectShowGraph* graph = nullptr, const char* name = "Renderer");
    CUntimedRenderer(const CUntimedRenderer&) = delete;
    CUntimedRenderer& operator=(const CUntimedRenderer&) = delete;
    ~CUntimedRenderer() override;

    void CompleteCreate() override;
    void Release() override;
    // Samples received so far; 0 when not created.
    LONGLONG GetSampleCount();

private:
    ISampleCounter* m_counter = nullptr;
};
