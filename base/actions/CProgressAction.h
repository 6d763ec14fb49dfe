#pragma once
// How a long operation reports its text and progress, with an optional child
// operation shown as a detail line.

class CProgressAction {
public:
    CProgressAction() = default;
    CProgressAction(const CProgressAction&) = default;
    CProgressAction& operator=(const CProgressAction&) = default;
    virtual ~CProgressAction() = default;

    virtual char* GetText();
    // Progress as a fraction of the whole.
    virtual double GetProgress() { return 0; }
    virtual CProgressAction* GetChildAction() { return nullptr; }
    // The child's text (null without a child) and progress (0 without a child).
    virtual char* GetDetailText();
    virtual double GetDetailProgress();

    bool HasDetail() { return GetChildAction() != nullptr; }
    char* GetDetail(double& progress);
};
