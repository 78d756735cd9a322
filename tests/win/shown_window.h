#pragma once
// A test's own main window, made and shown as the program makes and shows it.
#include <gtest/gtest.h>
#include <windows.h>

#include <ole2.h>

#include <memory>

#include "app/win32/form_window.h"
#include "tests/win/gui_helpers.h"

namespace morvane::testing {

class ShownWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window = win32::FormWindow::Create(GetModuleHandleW(nullptr));
    ASSERT_TRUE(window);
    window->Show(SW_SHOWNORMAL);
    PumpMessages();
  }
  void TearDown() override { window.reset(); }
  HWND Control(ControlId id) const { return window->Control(id); }

  std::unique_ptr<win32::FormWindow> window;
};

// For the cases that drag, drop or use the clipboard: OLE for the whole suite, as the program
// holds it for its whole run.
class ShownWindowWithOle : public ShownWindow {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  static void TearDownTestSuite() { OleUninitialize(); }
};

}  // namespace morvane::testing
