#include "platform/window_scale.h"

#include <initializer_list>

namespace morvane {

int MonitorDpiOf(void* window, const ScaleFunctions& system) {
  for (unsigned (*dpiOf)(void*) : {system.dpiForWindow, system.dpiForMonitor}) {
    if (const unsigned dpi = dpiOf ? dpiOf(window) : 0) return static_cast<int>(dpi);
  }
  const unsigned screen = system.screenDpi();
  return screen ? static_cast<int>(screen) : 96;
}

void AskForScaledFrame(void* window, const ScaleFunctions& system) {
  if (system.enableNonClientScaling) system.enableNonClientScaling(window);
}

}  // namespace morvane
