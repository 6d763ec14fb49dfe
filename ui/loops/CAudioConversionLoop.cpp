#include "CAudioConversionLoop.h"

CDirectShowAdministrator2* CAudioConversionLoop::CreateAdministratorSelf() { return MakeConverter(); }
bool CAudioConversionLoop::ProcessItem() { return ConvertCurrentFile(); }
double CAudioConversionLoop::GetProgress() { return ConverterProgress(); }
CProgressAction* CAudioConversionLoop::GetChildAction() { return ConverterAction(); }
