#include "CQtSampleHandle.h"

double CQtSampleHandle::GetEnd() const { return m_start + m_duration; }
