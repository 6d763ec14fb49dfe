#pragma once
// What the loops that walk a list share: the current item, the time done and to do, resuming
// at the current item after a pause, and wrapping round to the first item for endless play.
#include "CDxLoop2.h"
#include "afx/CString.h"

class CPersistList;
class CPersistObject;

class CListWalkingLoop : public CDxLoop2 {
public:
    // The current item changed: first argument the loop, second the new item or null.
    static constexpr long kLoopItemChangedMessage = 592310;

    void Reset() override;
    bool Start() override;
    bool NextItem() override;
    void OnComplete() override;
    // Counted, so that a wrapping walk whose every item fails ends instead of going round forever.
    void FailItem() override;
    double GetEstimateTime() override;

    virtual double CalculateTotalTime();
    bool IsLastItem() const;
    CPersistObject* GetCurrentItem() const { return m_current; }
    CPersistList* GetList() const { return m_list; }
    double GetTotalTime() const { return m_totalTime; }
    double GetDoneTime() const { return m_doneTime; }
    bool GetWrap() const { return m_wrap; }

protected:
    // The seconds an item takes to process.
    virtual double ItemDuration(CPersistObject* item) const;
    // "<verb> 3 out of 12 <noun>s..."; empty without a list or a current item.
    char* CountText(const char* verb, const char* noun);
    int CurrentIndex() const;

    CPersistList* m_list = nullptr;
    CPersistObject* m_current = nullptr;
    double m_totalTime = 0;
    double m_doneTime = 0;
    bool m_advance = true;
    bool m_wrap = true;
    int m_failedInARow = 0;
};
