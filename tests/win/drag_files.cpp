#include "tests/win/drag_files.h"

#include "tests/win/on_stack.h"
#include "tests/win/test_data_object.h"

namespace morvane::testing {

namespace {

// A drag source that holds the drag for a while, then drops.
class TimedDrop final : public OnStack<IDropSource> {
 public:
  explicit TimedDrop(DWORD holdMs) : dropAt_(GetTickCount64() + holdMs) {}
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override {
    return GetTickCount64() < dropAt_ ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

 private:
  ULONGLONG dropAt_;
};

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// The left button, as the mouse presses it; true once this thread has taken the press or the
// release from its queue. DoDragDrop reads the button from this thread's own key state, which
// follows the messages taken, not the system's.
bool PressLeftButton(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
  for (const ULONGLONG until = GetTickCount64() + 5000; GetTickCount64() < until; Sleep(10)) {
    PumpMessages();
    if ((GetKeyState(VK_LBUTTON) < 0) == down) return true;
  }
  return false;
}

// Moves the cursor; true once the system tells it there.
bool MoveCursor(POINT to) {
  SetCursorPos(to.x, to.y);
  POINT at{};
  for (const ULONGLONG until = GetTickCount64() + 5000; GetTickCount64() < until; Sleep(10)) {
    PumpMessages();
    if (GetCursorPos(&at) && at.x == to.x && at.y == to.y) return true;
  }
  return false;
}

// A window of this process over the target, on which the button goes down and up, so that the
// target's program never sees the press. It is hidden while the drag runs.
class Grip {
 public:
  explicit Grip(POINT at)
      : window_(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"Static", L"",
                                WS_POPUP | SS_NOTIFY, at.x - 8, at.y - 8, 16, 16, nullptr, nullptr,
                                nullptr, nullptr)) {}
  ~Grip() { DestroyWindow(window_); }
  Grip(const Grip&) = delete;
  Grip& operator=(const Grip&) = delete;
  void Show(bool shown) {
    ShowWindow(window_, shown ? SW_SHOWNOACTIVATE : SW_HIDE);
    PumpMessages();
  }

 private:
  HWND window_;
};

}  // namespace

// The cursor goes to the target once and stays there. Under Wine a move of the cursor reaches
// each program later, through the display, and a program that takes it late puts the cursor
// back where that move went: with one move, that is the target too.
Drag DragFiles(const std::vector<std::wstring>& files, POINT target) {
  Drag drag;
  drag.cursorMoved = MoveCursor(target);
  Grip grip(target);
  grip.Show(true);
  drag.buttonDown = PressLeftButton(true);
  grip.Show(false);
  Microsoft::WRL::ComPtr<IDataObject> data = FileListData(files);
  constexpr DWORD kHold = 500;
  TimedDrop source(kHold);
  const ULONGLONG start = GetTickCount64();
  DoDragDrop(data.Get(), &source, DROPEFFECT_COPY, &drag.effect);
  drag.heldMs = static_cast<DWORD>(GetTickCount64() - start) - kHold;
  grip.Show(true);
  drag.buttonUp = PressLeftButton(false);
  return drag;
}

}  // namespace morvane::testing
