#pragma once
// The part the file-name monitors share: they follow an output type and, when it is a
// media output, its RealMedia output, whose profile chooses between two video extensions.
#include "CListener.h"
#include "EMediaOutput.h"
#include "afx/CString.h"

class COutputType2;
class CRealOutput;

class COutputTypeFollower : public CListener {
public:
    COutputTypeFollower() = default;
    COutputTypeFollower(const COutputTypeFollower& other);
    COutputTypeFollower& operator=(const COutputTypeFollower& other);
    ~COutputTypeFollower() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;

    // Follows the type's RealMedia output as well.
    void SetOutputType(COutputType2* output);
    void SetRealOutput(CRealOutput* real);
    COutputType2* GetOutputType() const { return m_output; }

protected:
    ESplitterType GetSplitterType() const;
    bool UseVbrExtension() const;

    COutputType2* m_output = nullptr;
    CRealOutput* m_real = nullptr;
};
