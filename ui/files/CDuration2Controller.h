#pragma once
// Edits the start and end of a time range, typed as time codes.
#include "CObjectController2.h"

class CDuration;
class CEntryField;

class CDuration2Controller : public CObjectController2 {
public:
    CDuration2Controller();
    ~CDuration2Controller() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;

    virtual void EnterStartTime();
    virtual void EnterEndTime();

    void SetControls(CEntryField* start, CEntryField* end);
    void ReflectStartTime();
    void ReflectEndTime();

protected:
    CDuration* GetDuration() const;
    // The field's time code in seconds.
    static double FieldTime(CEntryField* field);

    CEntryField* m_start = nullptr;
    CEntryField* m_end = nullptr;
};
