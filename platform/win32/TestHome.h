#pragma once
// Test support: a fresh folder that holds every settings, data and documents folder and the
// registry while the object lives (MORVANE_HOME points to it), removed afterwards.
#include <string>

class MvTestHome {
public:
    MvTestHome();
    ~MvTestHome();
    MvTestHome(const MvTestHome&) = delete;
    MvTestHome& operator=(const MvTestHome&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    std::string m_previous;
    bool m_hadPrevious = false;
};
