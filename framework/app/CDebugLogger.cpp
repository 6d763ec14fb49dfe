#include "CDebugLogger.h"

#include "CIniProfile.h"
#include "UDirectoryUtils.h"

#include <cstdio>
#include <string>

CDebugLogger* CDebugLogger::sLogger = nullptr;

CDebugLogger::CDebugLogger() : m_enable("Debug", "Enable"), m_enabled(m_enable.GetValue(0) == 1)
{
    if (!sLogger) sLogger = this;
    if (!m_enabled) return;
    m_profile = new CIniProfile;
    m_profile->SetIniFile((std::string(UDirectoryUtils::GetAppDirectory()) + "log.ini").c_str());
}

CDebugLogger::~CDebugLogger()
{
    LogText("End Log");
    delete m_profile;
    if (sLogger == this) sLogger = nullptr;
}

void CDebugLogger::LogText(const char* text)
{
    if (!m_profile) return;
    char key[16];
    std::snprintf(key, sizeof key, "%d", ++m_lines);
    CRegistry("Debug", key, m_profile).SetTextValue(text ? text : "");
}

void CDebugLogger::Log(const char* text)
{
    if (sLogger) sLogger->LogText(text);
}
