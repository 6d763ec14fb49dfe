#include "StCursor.h"
#include "win32/gdi/Icon.h"

StCursor::StCursor(LPCSTR stockCursor) : m_previous(SetCursor(LoadCursorA(nullptr, stockCursor))) {}

StCursor::~StCursor() { SetCursor(m_previous); }
