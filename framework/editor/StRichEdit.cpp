#include "StRichEdit.h"

#include "afx/CRichEditCtrl.h"

StRichEdit::StRichEdit() { AfxInitRichEdit(); }
