#include "CVideoEffect.h"

void CVideoEffect::Apply()
{
    Initialize();
    ApplySelf();
}

void CVideoEffect::Initialize()
{
    if (!m_initialized) {
        InitializeSelf();
        m_initialized = true;
    }
}
