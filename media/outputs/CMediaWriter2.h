#pragma once
// The output record of a job: what to write, the file to write it to, and for web
// images the FTP destination and upload interval.
#include "CFtpInfo2.h"
#include "CMediaOutput2.h"
#include "CSaveFile2.h"
#include "CTimedAction.h"

class CMediaWriter2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CMediaWriter2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    using CPersistObject::Validate;
    // The writer's own message, else the FTP record's for web images, else the file's.
    virtual const char* Validate();

    CMediaOutput2& GetMediaOutput() { return m_output; }
    CSaveFile2& GetFilePath() { return m_file; }
    CTimedAction& GetTimedAction() { return m_ftpInterval; }
    CFtpInfo2& GetFtp() { return m_ftp; }

private:
    CMediaOutput2 m_output;
    CSaveFile2 m_file;
    CTimedAction m_ftpInterval;
    CFtpInfo2 m_ftp;
};
