#pragma once
// The screen recorder's document: output settings, the screen recording, the record,
// pause and stop hot keys and how the application window behaves.
#include "CAppControl.h"
#include "CHotKey2.h"
#include "CMediaWriter2.h"
#include "CScreenRecorder2.h"

class CScreenRecorderData : public CMediaWriter2 {
    MV_DECLARE_PERSIST_CLASS(CScreenRecorderData)
public:
    enum { kRecordHotKey, kPauseHotKey, kStopHotKey, kHotKeyCount };

    CScreenRecorderData();

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // A screen recording always wants colour video at the screen's own size and rate.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // The writer's message, else the screen recording's.
    const char* Validate() override;
    using CMediaWriter2::Validate;

    CScreenRecorder2& GetScreenRecorder() { return m_recorder; }
    // Null outside 0 (record), 1 (pause) and 2 (stop).
    CHotKey2* GetHotKey(int index);
    CAppControl& GetAppControl() { return m_appControl; }

private:
    CScreenRecorder2 m_recorder;
    CHotKey2 m_hotKeys[kHotKeyCount];
    CAppControl m_appControl;
};
