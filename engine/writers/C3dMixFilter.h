#pragma once
// "3D Mix": two camera pictures in, one picture out. Created only with its settings interface.
#include "CDirectShowFilter.h"

class CFilterPin;
struct I3dMixSettings;

class C3dMixFilter : public CDirectShowFilter {
public:
    explicit C3dMixFilter(CDirectShowGraph* graph = nullptr, const char* name = "3D Mix");
    C3dMixFilter(const C3dMixFilter&) = delete;
    C3dMixFilter& operator=(const C3dMixFilter&) = delete;
    ~C3dMixFilter() override;

    bool Create() override;
    void Release() override;
    // index 0 or 1.
    CFilterPin* GetInputPin(int index) const;
    CFilterPin* GetOutputPin() const { return m_output; }
    I3dMixSettings* GetSettings() const { return m_settings; }

private:
    CFilterPin* m_input1;
    CFilterPin* m_input2;
    CFilterPin* m_output;
    I3dMixSettings* m_settings = nullptr;
};
