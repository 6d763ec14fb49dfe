#include "CInputFilters2.h"

const char* const CInputFilters2::kPrepareError = "Error while preparing the input filters.";
const char* const CInputFilters2::kCreateError = "Unable to create input filters.";
const char* const CInputFilters2::kConnectError = "Unable to connect input filters.";

CInputFilters2::~CInputFilters2()
{
    // The derived parts are gone here: they release in their own destructors.
    CInputFilters2::Release();
}

bool CInputFilters2::CreateAndConnect()
{
    if (!Create()) return false;
    if (!Connect()) {
        SetErrorText(kConnectError);
        return false;
    }
    ResetErrorText();
    return true;
}

bool CInputFilters2::Create()
{
    if (!Prepare()) {
        SetErrorText(kPrepareError);
        return false;
    }
    if (!CreateSelf()) {
        SetErrorText(kCreateError);
        return false;
    }
    ResetErrorText();
    return true;
}

int CInputFilters2::GetTotalVideoPinCount()
{
    return GetVideoPinCount(kOutputProcessing) + GetVideoPinCount(kOutputRender) + GetVideoPinCount(kOutputNil);
}

int CInputFilters2::GetTotalAudioPinCount()
{
    return GetAudioPinCount(kOutputProcessing) + GetAudioPinCount(kOutputRender) + GetAudioPinCount(kOutputNil);
}

void CInputFilters2::SetErrorText(const char* text)
{
    if (m_errorText.IsEmpty()) m_errorText = text ? text : "";
}
