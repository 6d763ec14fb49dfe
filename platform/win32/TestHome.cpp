#include "win32/TestHome.h"
#include "win32/kernel/ShellFolders.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

MvTestHome::MvTestHome()
{
    const char* previous = std::getenv(MV_HOME_VARIABLE);
    if (previous) {
        m_previous = previous;
        m_hadPrevious = true;
    }
    const char* temp = std::getenv("TMPDIR");
    std::string pattern = std::string(temp && *temp ? temp : "/tmp") + "/mvhome-XXXXXX";
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a test home under " + pattern);
    m_path = pattern;
    ::setenv(MV_HOME_VARIABLE, m_path.c_str(), 1);
}

MvTestHome::~MvTestHome()
{
    if (m_hadPrevious) ::setenv(MV_HOME_VARIABLE, m_previous.c_str(), 1);
    else ::unsetenv(MV_HOME_VARIABLE);
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
