#include "CWebParam.h"

CString CWebParam::GetParam() const
{
    if (m_name.IsEmpty() || m_value.IsEmpty()) return CString();
    return m_name + "=" + m_value;
}
