#pragma once
// The source of real device events: a udev monitor thread where udev is available.
// Runs while any window is registered for device notifications.
namespace mvdevice {

void StartMonitor();
void StopMonitor();

} // namespace mvdevice
