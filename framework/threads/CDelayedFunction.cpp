#include "CDelayedFunction.h"

void CDelayedFunction::SetFunction(Function function, long a, long b)
{
    Deactivate();
    m_function = function;
    m_a = a;
    m_b = b;
}

void CDelayedFunction::OnTimer()
{
    Deactivate();
    if (m_function) m_function(m_a, m_b);
    if (m_autoDelete) delete this;
}

bool CDelayedFunction::Run(Function function, long a, long b)
{
    auto* delayed = new CDelayedFunction(true);
    delayed->SetFunction(function, a, b);
    if (delayed->Activate(10)) return true;
    delete delayed;
    return false;
}
