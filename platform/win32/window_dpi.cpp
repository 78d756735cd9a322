#include "platform/win32/window_dpi.h"

#include "platform/win32/gdi_owners.h"

namespace morvane::win32 {

namespace {

// A function of user32 that only later Windows have; null where this one lacks it.
template <class Function>
Function NewerUser32(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

int ScreenDpi() {
  const WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

int WindowDpi(HWND window) {
  static const auto forWindow = NewerUser32<GetDpiForWindowFunction>("GetDpiForWindow");
  const int dpi = forWindow ? static_cast<int>(forWindow(window)) : 0;
  return dpi > 0 ? dpi : ScreenDpi();
}

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

SIZE FrameAround(SIZE client, DWORD style, int dpi) {
  static const auto forDpi =
      NewerUser32<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, client.cx, client.cy};
  if (!forDpi || !forDpi(&frame, style, FALSE, 0, dpi)) AdjustWindowRectEx(&frame, style, FALSE, 0);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace morvane::win32
