#include "CDvOutputController.h"

#include "CFormatType.h"
#include "COutputType2.h"
#include "UComboChoices.h"
#include "UFormatRows.h"

void CDvOutputController::SetDefault()
{
    COutputType2* output = GetOutputType();
    if (output && output->GetSplitterType() != 100 && output->GetSplitterType() != 900) output->SetSplitterType(100);
}

void CDvOutputController::PopulateSplitterTypeCombo()
{
    if (!m_typeList) return;
    UComboChoices::Clear(m_typeList);
    for (ESplitterType type : {100, 110, 900}) {
        CFormatType* row = UFormatRows::Find(type);
        if (ShowFormat(row)) UComboChoices::Add(m_typeList, GetSplitterTypeName(type));
    }
}
