#include "platform/win32/window_dpi.h"

#include "platform/window_scale.h"
#include "platform/win32/gdi_owners.h"
#include "platform/win32/late_bound.h"

namespace morvane::win32 {

namespace {

// The functions of later Windows, declared here: the headers declare them only for a program
// that needs them.
using GetDpiForWindowFunction = UINT WINAPI(HWND);
using GetDpiForMonitorFunction = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);
using EnableNonClientDpiScalingFunction = BOOL WINAPI(HWND);
using SystemParametersInfoForDpiFunction = BOOL WINAPI(UINT, UINT, void*, UINT, UINT);
using GetSystemMetricsForDpiFunction = int WINAPI(int, UINT);
using AdjustWindowRectExForDpiFunction = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

template <class Function>
Function* NewerUser32(const char* name) {
  return late::Newer<Function>(L"user32.dll", name);
}

// The functions of later Windows that tell a window its monitor's scale; null where missing.
struct ScaleFunctionsOfThisWindows {
  GetDpiForWindowFunction* forWindow = NewerUser32<GetDpiForWindowFunction>("GetDpiForWindow");
  // shcore.dll only where the window cannot tell its own DPI.
  GetDpiForMonitorFunction* forMonitor =
      forWindow ? nullptr
                : late::Newer<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
  EnableNonClientDpiScalingFunction* enable =
      NewerUser32<EnableNonClientDpiScalingFunction>("EnableNonClientDpiScaling");
};

const ScaleFunctionsOfThisWindows& Bound() {
  static const ScaleFunctionsOfThisWindows bound;
  return bound;
}

unsigned DpiForWindow(void* window) { return Bound().forWindow(static_cast<HWND>(window)); }

unsigned DpiForMonitor(void* window) {
  UINT x = 0, y = 0;
  const HMONITOR monitor = MonitorFromWindow(static_cast<HWND>(window), MONITOR_DEFAULTTONEAREST);
  return SUCCEEDED(Bound().forMonitor(monitor, kEffectiveDpi, &x, &y)) ? y : 0;
}

bool EnableNonClientScaling(void* window) {
  return Bound().enable(static_cast<HWND>(window)) != FALSE;
}

unsigned DpiOfScreen() { return static_cast<unsigned>(ScreenDpi()); }

const ScaleFunctions& SystemScaleFunctions() {
  static const ScaleFunctions functions{
      Bound().forWindow ? DpiForWindow : nullptr, Bound().forMonitor ? DpiForMonitor : nullptr,
      Bound().enable ? EnableNonClientScaling : nullptr, DpiOfScreen};
  return functions;
}

}  // namespace

int ScreenDpi() {
  const WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

int WindowDpi(HWND window) { return MonitorDpiOf(window, SystemScaleFunctions()); }

void ScaleFrameWithMonitor(HWND window) { AskForScaledFrame(window, SystemScaleFunctions()); }

LOGFONTW MessageFontAt(int dpi) {
  static const auto forDpi =
      NewerUser32<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
    return metrics.lfMessageFont;
  }
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, ScreenDpi());
  return metrics.lfMessageFont;
}

int SystemMetricAt(int index, int dpi) {
  static const auto forDpi = NewerUser32<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, dpi);
  return MulDiv(GetSystemMetrics(index), dpi, ScreenDpi());
}

// Where the system cannot tell the frame at another scale (8.1), it draws the frame at the
// screen's.
SIZE FrameAround(SIZE client, DWORD style, int dpi) {
  static const auto forDpi =
      NewerUser32<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, client.cx, client.cy};
  if (!forDpi || !forDpi(&frame, style, FALSE, 0, dpi)) AdjustWindowRectEx(&frame, style, FALSE, 0);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace morvane::win32
