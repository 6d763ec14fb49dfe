#include "CProgressAction.h"

#include "UStringBuffer.h"

char* CProgressAction::GetText()
{
    return UStringBuffer::Text("");
}

char* CProgressAction::GetDetailText()
{
    CProgressAction* child = GetChildAction();
    return child ? child->GetText() : nullptr;
}

double CProgressAction::GetDetailProgress()
{
    CProgressAction* child = GetChildAction();
    return child ? child->GetProgress() : 0;
}

char* CProgressAction::GetDetail(double& progress)
{
    progress = GetDetailProgress();
    return GetDetailText();
}
