#pragma once
// The modal dialog that sets when a recording starts and stops. It edits its own copy of
// the schedule, which goes back to the caller only when the user confirms a valid one.
#include "CScheduler.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CDateTimeCtrl.h"
#include "afx/windows/CDialog.h"
#include "afx/kernel/CTime.h"

class CScheduleDialog : public CDialog {
public:
    enum { IDD = 3000 };
    enum : UINT {
        kStartBoxId = 3000,
        kStopBoxId = 3001,
        kStartDateId = 3004,
        kStartTimeId = 3005,
        kStopDateId = 3008,
        kStopTimeId = 3009,
        kDurationId = 3010,
        kSetStopId = 3011,
    };

    explicit CScheduleDialog(CWnd* parent = nullptr);

    static bool PromptSchedule(CScheduler& schedule, bool recordingRunning);
    void SetSchedule(const CScheduler& schedule) { mSchedule = schedule; }
    CScheduler& GetSchedule() { return mSchedule; }
    void SetRecording(bool running) { mRecording = running; }

    static void RegisterTemplate();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void SetInitialStart();
    void SetInitialStop();
    CTime GetStartTimeFromControl();
    CTime GetStopTimeFromControl();
    void OnCheckStart();
    void OnCheckStop();
    void OnButtonSetduration();
    bool ValidateSchedule();
    DECLARE_MESSAGE_MAP()

private:
    static CTime ReadPickers(CDateTimeCtrl& date, CDateTimeCtrl& time);
    static void ShowPickers(CDateTimeCtrl& date, CDateTimeCtrl& time, const CTime& moment);
    static void TakeMoment(CPersistDateTime& target, const CTime& moment);
    void EnableStop(bool on);

    CScheduler mSchedule;
    bool mRecording = false;
    CButton mStartBox;
    CButton mStopBox;
    CDateTimeCtrl mStartDate;
    CDateTimeCtrl mStartTime;
    CDateTimeCtrl mStopDate;
    CDateTimeCtrl mStopTime;
    CComboBox mDuration;
    CButton mSetStop;
};
