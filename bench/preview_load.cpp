// One run of what a user sees when a module is dropped onto the shown window, and when End is
// then pressed in the list: the times read from the screen, the window's answers to messages,
// and the memory the process holds. Run in a process that does nothing else.
//   preview_load.exe <module> <pictures folder> [--settle]
// With --settle it waits until the list's pixels stop changing, after the load and after End,
// and keeps them in the folder as the settled pictures that later runs wait for. Prints one
// line of name=value figures; times are in seconds, -1 for a picture never reached.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/win32/form_window.h"
#include "bench/timing.h"
#include "platform/win32/late_bound.h"

namespace {

using morvane::bench::Now;
using Pixels = std::vector<DWORD>;

constexpr double kTimeout = 180;  // seconds a phase may take before it counts as never done

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

double Megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

void AnswerMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// What the screen shows of a window, scroll bars and frame included, read from the screen.
class ScreenReader {
 public:
  explicit ScreenReader(HWND window) {
    GetWindowRect(window, &area_);
    const int width = area_.right - area_.left, height = area_.bottom - area_.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ =
        CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    count_ = static_cast<std::size_t>(width) * height;
  }
  ~ScreenReader() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Pixels Read() {
    HDC screen = GetDC(nullptr);
    BitBlt(dc_, 0, 0, area_.right - area_.left, area_.bottom - area_.top, screen, area_.left,
           area_.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    return Pixels(bits_, bits_ + count_);
  }

 private:
  RECT area_{};
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  DWORD* bits_ = nullptr;
  std::size_t count_ = 0;
};

// What happened in one phase, watched from two other threads: one reads the screen until it
// shows the wanted picture and asks whether the window is hung; one keeps sending the window
// a message and notes how long each waits for its answer.
struct PhaseFigures {
  double pictureShown = -1;  // from the phase's start
  double answersAgain = -1;  // the first message sent after the start, answered
  double longestWait = 0;    // the longest a message waited for its answer
  bool hung = false;         // IsHungAppWindow was ever true
};

class Watcher {
 public:
  Watcher(HWND window, HWND list, const Pixels& wanted)
      : window_(window), list_(list), wanted_(wanted), start_(Now()) {
    screen_ = std::thread([this] { WatchScreen(); });
    pinger_ = std::thread([this] { Ping(); });
  }
  // The last message sent must be answered before the pinger can end.
  ~Watcher() {
    done_ = true;
    while (!pingerDone_) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
      AnswerMessages();
    }
    screen_.join();
    pinger_.join();
  }
  double start() const { return start_; }
  bool shown() const { return shownAt_ > 0; }

  PhaseFigures Figures() const {
    PhaseFigures figures;
    if (shownAt_ > 0) figures.pictureShown = shownAt_ - start_;
    if (answeredAt_ > 0) figures.answersAgain = answeredAt_ - start_;
    figures.longestWait = longestWait_;
    figures.hung = hung_;
    return figures;
  }

 private:
  void WatchScreen() {
    ScreenReader reader(list_);
    while (!done_) {
      if (IsHungAppWindow(window_)) hung_ = true;
      if (shownAt_ == 0 && reader.Read() == wanted_) shownAt_ = Now();
      Sleep(1);
    }
  }
  void Ping() {
    while (!done_) {
      const double sent = Now();
      DWORD_PTR result = 0;
      SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &result);
      const double answered = Now();
      if (answered - sent > longestWait_) longestWait_ = answered - sent;
      if (answeredAt_ == 0) answeredAt_ = answered;
      Sleep(1);
    }
    pingerDone_ = true;
  }

  HWND window_, list_;
  Pixels wanted_;
  double start_;
  std::atomic<bool> done_{false}, pingerDone_{false}, hung_{false};
  std::atomic<double> shownAt_{0}, answeredAt_{0}, longestWait_{0};
  std::thread screen_, pinger_;
};

// Answers the window's messages until the watcher has seen its picture, or the time is up.
void AnswerUntilShown(const Watcher& watcher) {
  while (!watcher.shown() && Now() - watcher.start() < kTimeout) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    AnswerMessages();
  }
}

// Answers messages until the list's pixels have not changed for two seconds; gives them.
Pixels SettledPicture(HWND list) {
  ScreenReader reader(list);
  Pixels last = reader.Read();
  double since = Now();
  while (Now() - since < 2) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    AnswerMessages();
    Pixels now = reader.Read();
    if (now != last) {
      last = std::move(now);
      since = Now();
    }
  }
  return last;
}

Pixels ReadPicture(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  Pixels pixels;
  DWORD pixel;
  while (in.read(reinterpret_cast<char*>(&pixel), sizeof pixel)) pixels.push_back(pixel);
  return pixels;
}

void WritePicture(const std::wstring& path, const Pixels& pixels) {
  std::ofstream(std::filesystem::path(path), std::ios::binary)
      .write(reinterpret_cast<const char*>(pixels.data()),
             static_cast<std::streamsize>(pixels.size() * sizeof(DWORD)));
}

void PressEnd(HWND list) {
  SetFocus(list);
  PostMessageW(list, WM_KEYDOWN, VK_END, 0x014F0001);
  PostMessageW(list, WM_KEYUP, VK_END, 0xC14F0001);
}

void Print(const char* phase, const PhaseFigures& figures) {
  std::printf(" %s_shown=%.3f %s_answers=%.3f %s_longest_wait=%.3f %s_hung=%d", phase,
              figures.pictureShown, phase, figures.answersAgain, phase, figures.longestWait, phase,
              figures.hung ? 1 : 0);
}

// One extraction call over every icon, where one call can hold them: Windows allows a process
// 10,000 USER objects.
double Floor(const std::wstring& module, int count) {
  if (count > 8000) return -1;
  const int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
  std::vector<HICON> icons(count);
  std::vector<UINT> ids(count);
  const double start = Now();
  PrivateExtractIconsW(module.c_str(), 0, width, height, icons.data(), ids.data(),
                       static_cast<UINT>(count), LR_DEFAULTCOLOR);
  for (HICON icon : icons) {
    if (icon) DestroyIcon(icon);
  }
  return Now() - start;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring module = argv[1], pictures = argv[2];
  const bool settle = argc > 3 && std::wstring(argv[3]) == L"--settle";
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  morvane::win32::late::InitCommonControlsEx(&controls);
  auto window = morvane::win32::FormWindow::Create(GetModuleHandleW(nullptr));
  if (!window) return 1;
  window->Show(SW_SHOWNORMAL);
  const HWND list = window->Control(morvane::kListView1);
  SettledPicture(list);

  const SIZE_T before = Memory().WorkingSetSize;
  PhaseFigures load, end;
  if (settle) {
    window->logic().ListView1_OLEDragDrop({module});
    WritePicture(pictures + L"\\load.pixels", SettledPicture(list));
    PressEnd(list);
    WritePicture(pictures + L"\\end.pixels", SettledPicture(list));
  } else {
    {
      Watcher watcher(window->hwnd(), list, ReadPicture(pictures + L"\\load.pixels"));
      window->logic().ListView1_OLEDragDrop({module});  // what a drop does
      AnswerUntilShown(watcher);
      load = watcher.Figures();
    }
    SettledPicture(list);
    {
      Watcher watcher(window->hwnd(), list, ReadPicture(pictures + L"\\end.pixels"));
      PressEnd(list);
      AnswerUntilShown(watcher);
      end = watcher.Figures();
    }
  }
  const SIZE_T peak = Memory().PeakWorkingSetSize;
  const int count = window->logic().iconCount();
  window.reset();

  std::printf("icons=%d", count);
  Print("load", load);
  Print("end", end);
  std::printf(" ws_before_mb=%.1f ws_peak_mb=%.1f floor=%.3f\n", Megabytes(before), Megabytes(peak),
              settle ? -1.0 : Floor(module, count));
  return 0;
}
