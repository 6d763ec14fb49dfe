#pragma once
// The output set of a conversion to a file (or, for type 1800, to an FTP server): the
// path with its automatic time-stamped name and the replace decision, the writer and
// multiplexers of the output type, and the settings each writer family takes.
#include "CMultiplexOutputFilters2.h"
#include "EFileReplace.h"

#include <ctime>

class CQtExportSettings;
class CRepeatPrompter;

class CFileOutputFilters2 : public CMultiplexOutputFilters2 {
public:
    explicit CFileOutputFilters2(CDirectShowGraph* graph = nullptr);
    ~CFileOutputFilters2() override;

    bool PrepareOutput(CInputFilters2* input) override;
    bool CreateOutput() override;
    void ConfigureOutput() override;
    void ConfigureOutputBeforeConnect() override;
    virtual void UseFilePath();
    virtual bool CanCreateFile();
    virtual bool CreateMux();
    virtual bool CreateMux2();

    void SetFilePrompter(CRepeatPrompter* prompter) { m_prompter = prompter; }
    void SetFileAutoNaming(bool on) { m_autoNaming = on; }
    void SetFileOption(EFileReplace option) { m_option = option; }
    void SetFilePath(const char* path) { m_filePath = path ? path : ""; }
    void SetFtpServer(const char* server) { m_ftpServer = server ? server : ""; }
    void SetFtpInteral(unsigned short seconds) { m_ftpInterval = seconds; }
    void SetFtpPath(const char* path) { m_ftpPath = path ? path : ""; }
    void SetFtpUserName(const char* name) { m_ftpUserName = name ? name : ""; }
    void SetFtpPassword(const char* password) { m_ftpPassword = password ? password : ""; }
    void SetFtpPort(unsigned long port) { m_ftpPort = port; }
    void SetFtpPassive(bool passive) { m_ftpPassive = passive; }

    // The path the writer really gets.
    const CString& GetEffectivePath() const { return m_effectivePath; }
    // The time-stamped form of a path at a local time: folder/name_YYYY_MM_DD_hh_mm_ss.ext.
    static CString AutoNamedPath(const char* path, const std::tm& local);

protected:
    void ConfigureAnimatedGifMux();

private:
    CQtExportSettings* FindExportSettings(bool video, bool audio) const;

    CString m_filePath;
    CRepeatPrompter* m_prompter = nullptr;
    bool m_autoNaming = false;
    EFileReplace m_option = kFileReplaceAsk;
    CString m_effectivePath;
    unsigned short m_ftpInterval = 5;
    CString m_ftpServer;
    CString m_ftpPath;
    CString m_ftpUserName;
    CString m_ftpPassword;
    unsigned long m_ftpPort = 21;
    bool m_ftpPassive = false;
};
