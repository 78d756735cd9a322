#include "tests/win/dialog_driver.h"

#include <string>

namespace morvane::testing {

namespace {

std::function<void(HWND)> g_answer;
int g_seen = 0;
HWND g_dialog = nullptr;

// Answers once the dialog has settled: some finish setting up after they become active.
void CALLBACK AnswerSettled(HWND, UINT, UINT_PTR timer, DWORD) noexcept {
  KillTimer(nullptr, timer);
  auto answer = std::move(g_answer);  // each dialog is answered once
  g_answer = nullptr;
  if (answer) answer(g_dialog);
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) noexcept {
  if (code == HCBT_ACTIVATE && g_answer) {
    const HWND dialog = reinterpret_cast<HWND>(wParam);
    wchar_t className[64]{};
    GetClassNameW(dialog, className, 64);
    if (std::wstring(className) == L"#32770" && !g_dialog) {
      ++g_seen;
      g_dialog = dialog;
      SetTimer(nullptr, 0, 200, AnswerSettled);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DialogDriver::DialogDriver(std::function<void(HWND)> answer)
    : hook_(SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId())) {
  g_answer = std::move(answer);
  g_seen = 0;
  g_dialog = nullptr;
}

DialogDriver::~DialogDriver() {
  UnhookWindowsHookEx(hook_);
  g_answer = nullptr;
}

int DialogDriver::dialogsSeen() const { return g_seen; }

}  // namespace morvane::testing
