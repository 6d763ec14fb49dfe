#pragma once
// Registers the time and buffer stages as creatable classes.
void DShowRegisterStageFilters();
