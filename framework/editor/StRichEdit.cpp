#include "StRichEdit.h"

#include "afx/controls/CRichEditCtrl.h"

StRichEdit::StRichEdit() { AfxInitRichEdit(); }
