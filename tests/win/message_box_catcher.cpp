#include "tests/win/message_box_catcher.h"

namespace morvane::testing {

namespace {

std::vector<CaughtMessage> g_caught;
std::function<void()> g_look;

std::wstring WindowText(HWND window) {
  wchar_t text[512]{};
  GetWindowTextW(window, text, 512);
  return text;
}

// Windows numbers the box's icon control 0x14, Wine 0x440.
bool ShowsIcon(HWND box, HICON expected) {
  for (int id : {0x14, 0x440}) {
    const LRESULT icon = SendDlgItemMessageW(box, id, STM_GETICON, 0, 0);
    if (icon) return reinterpret_cast<HICON>(icon) == expected;
  }
  return false;
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) noexcept {
  if (code == HCBT_ACTIVATE) {
    const HWND box = reinterpret_cast<HWND>(wParam);
    wchar_t className[64]{};
    GetClassNameW(box, className, 64);
    if (std::wstring(className) == L"#32770") {
      CaughtMessage message;
      message.caption = WindowText(box);
      message.text = WindowText(GetDlgItem(box, 0xFFFF));
      message.questionIcon = ShowsIcon(box, LoadIconW(nullptr, IDI_QUESTION));
      message.okOnly =
          GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL) && !GetDlgItem(box, IDYES);
      g_caught.push_back(message);
      if (g_look) g_look();
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MessageBoxCatcher::MessageBoxCatcher()
    : hook_(SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId())) {
  g_caught.clear();
}

MessageBoxCatcher::~MessageBoxCatcher() {
  UnhookWindowsHookEx(hook_);
  g_look = nullptr;
}

void MessageBoxCatcher::OnShow(std::function<void()> look) { g_look = std::move(look); }

const std::vector<CaughtMessage>& MessageBoxCatcher::caught() const { return g_caught; }

std::vector<std::wstring> MessageBoxCatcher::texts() const {
  std::vector<std::wstring> texts;
  for (const CaughtMessage& message : g_caught) texts.push_back(message.text);
  return texts;
}

}  // namespace morvane::testing
