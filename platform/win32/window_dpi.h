#pragma once
// The scale of the monitor a window is on, for a program that follows each monitor's scale:
// the functions that tell it where the system has them (Windows 8.1 and 10 1607 and later), the
// screen's scale elsewhere.
#include <windows.h>

namespace morvane::win32 {

// Sent before WM_DPICHANGED from Windows 10 1703 on; the headers declare it only for a program
// that requires such a Windows.
constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE

// The screen's DPI as the system reports it to this process.
int ScreenDpi();
// The DPI of the window's monitor.
int WindowDpi(HWND window);
// In WM_NCCREATE: has the system scale the window's title bar and frame with its monitor.
void ScaleFrameWithMonitor(HWND window);
// The message font at `dpi`.
LOGFONTW MessageFontAt(int dpi);
// A system metric at `dpi`.
int SystemMetricAt(int index, int dpi);
// The size of a window of `style` whose client area has `client` pixels, at `dpi`.
SIZE FrameAround(SIZE client, DWORD style, int dpi);

}  // namespace morvane::win32
