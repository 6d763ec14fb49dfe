#pragma once
// The last filter of a chain (a writer or a renderer), with the input pin it owns.
#include "CDirectShowFilter.h"

class CFilterPin;

class COutputFilter : public CDirectShowFilter {
public:
    COutputFilter();
    COutputFilter(const COutputFilter& other);
    COutputFilter& operator=(const COutputFilter& other);
    ~COutputFilter() override;

    void Release() override;
    virtual bool SetupBeforeConnect() { return true; }
    virtual CFilterPin* GetVideoInputPin() { return nullptr; }
    virtual CFilterPin* GetAudioInputPin() { return nullptr; }
    virtual void SetFilePath(const char*) {}

    CFilterPin* GetInputPin() const { return m_inputPin; }
    // Takes ownership of the pin.
    void SetInputPin(CFilterPin* pin);

protected:
    CFilterPin* m_inputPin = nullptr;
};
