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

// The left button, as the mouse presses it; true once the system sees it so.
bool PressLeftButton(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
  for (const ULONGLONG until = GetTickCount64() + 5000; GetTickCount64() < until; Sleep(10)) {
    PumpMessages();
    if ((GetAsyncKeyState(VK_LBUTTON) < 0) == down) return true;
  }
  return false;
}

// Moves the cursor; true once the system tells it there. Under Wine the move reaches the
// system's cursor a moment later, and a drag started before would find no target under it.
bool MoveCursor(POINT to) {
  SetCursorPos(to.x, to.y);
  POINT at{};
  for (const ULONGLONG until = GetTickCount64() + 5000; GetTickCount64() < until; Sleep(10)) {
    PumpMessages();
    if (GetCursorPos(&at) && at.x == to.x && at.y == to.y) return true;
  }
  return false;
}

}  // namespace

Drag DragFiles(const std::vector<std::wstring>& files, POINT target) {
  // The button goes down over a window of this process, where the drag starts.
  const HWND grip = CreateWindowExW(WS_EX_TOPMOST, L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40,
                                    40, nullptr, nullptr, nullptr, nullptr);
  PumpMessages();
  Drag drag;
  drag.cursorMoved = MoveCursor({20, 20});
  drag.buttonDown = PressLeftButton(true);
  drag.cursorMoved = MoveCursor(target) && drag.cursorMoved;
  Microsoft::WRL::ComPtr<IDataObject> data = FileListData(files);
  constexpr DWORD kHold = 500;
  TimedDrop source(kHold);
  const ULONGLONG start = GetTickCount64();
  DoDragDrop(data.Get(), &source, DROPEFFECT_COPY, &drag.effect);
  drag.heldMs = static_cast<DWORD>(GetTickCount64() - start) - kHold;
  drag.buttonUp = PressLeftButton(false);
  DestroyWindow(grip);
  PumpMessages();
  return drag;
}

}  // namespace morvane::testing
