#pragma once
// One of the two download lists of the links menu: "Download 0" or "Download 1".
#include "CLinkSection.h"

class CDownloadLinkSection : public CLinkSection {
public:
    explicit CDownloadLinkSection(int index);
    int GetIndex() const { return m_index; }

private:
    int m_index;
};
