#pragma once
// How a window learns the scale of the monitor it is on, from what the Windows it runs on
// offers: Windows 10 1607 and later tell the window's own DPI, 8.1 the DPI of each monitor,
// and 7 and 8, where the program is aware of the system's scale only, the screen's.

namespace morvane {

// The system's functions, each null where this Windows lacks it. A window is passed as the
// system's handle, opaque here.
struct ScaleFunctions {
  unsigned (*dpiForWindow)(void* window);        // GetDpiForWindow: Windows 10 1607 on
  unsigned (*dpiForMonitor)(void* window);       // GetDpiForMonitor of its monitor: 8.1 on
  bool (*enableNonClientScaling)(void* window);  // EnableNonClientDpiScaling: 10 1607 on
  unsigned (*screenDpi)();                       // everywhere
};

// The DPI of the window's monitor: the window's own, else its monitor's, else the screen's.
int MonitorDpiOf(void* window, const ScaleFunctions& system);

// For WM_NCCREATE. Windows 10 1607 knows only the first per-monitor mode, where the system
// scales the title bar and the frame of a window that asks; later ones scale them by themselves
// and refuse the request, which changes nothing there.
void AskForScaledFrame(void* window, const ScaleFunctions& system);

}  // namespace morvane
