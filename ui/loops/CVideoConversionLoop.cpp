#include "CVideoConversionLoop.h"

CDirectShowAdministrator2* CVideoConversionLoop::CreateAdministratorSelf() { return MakeConverter(); }
bool CVideoConversionLoop::ProcessItem() { return ConvertCurrentFile(); }
double CVideoConversionLoop::GetProgress() { return ConverterProgress(); }
CProgressAction* CVideoConversionLoop::GetChildAction() { return ConverterAction(); }
