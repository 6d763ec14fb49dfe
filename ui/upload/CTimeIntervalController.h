#pragma once
// Edits the seconds between uploads: a list of usual intervals, or any typed number.
#include "CObjectController2.h"
#include "afx/CString.h"

class CEntryCombo;
class CTimedAction;

class CTimeIntervalController : public CObjectController2 {
public:
    CTimeIntervalController();
    ~CTimeIntervalController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;

    void SetControls(CEntryCombo* interval);
    virtual void PopulateIntervalCombo();
    virtual void ReflectInterval();
    virtual void EnterInterval();
    virtual void EnterIntervalByEdit();

    // "%d second", or "-" for none.
    static CString GetIntervalText(int seconds);

private:
    CTimedAction* GetAction() const;

    CEntryCombo* m_interval = nullptr;
};
