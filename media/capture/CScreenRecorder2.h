#pragma once
// A recording of the screen.
#include "CLiveRecorder2.h"
#include "CScreenSource2.h"

class CScreenRecorder2 : public CLiveRecorder2 {
    MV_DECLARE_PERSIST_CLASS(CScreenRecorder2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    using CPersistObject::Validate;
    // The recorder's own message, else the screen source's.
    virtual const char* Validate();

    CScreenSource2& GetScreenSource() { return m_screenSource; }

private:
    CScreenSource2 m_screenSource;
};
