#include "bench/screen_watch.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/form_layout.h"
#include "bench/timing.h"

namespace morvane::bench {

void AnswerMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::vector<RECT> AreasOf(const std::vector<HWND>& windows) {
  std::vector<RECT> areas;
  for (HWND window : windows) {
    RECT area{};
    GetWindowRect(window, &area);
    areas.push_back(area);
  }
  return areas;
}

ScreenReader::ScreenReader(const std::vector<HWND>& windows) : ScreenReader(AreasOf(windows)) {}

ScreenReader::ScreenReader(const std::vector<RECT>& areas) : areas_(areas) {
  for (const RECT& area : areas_) {
    width_ = std::max<int>(width_, area.right - area.left);
    height_ += area.bottom - area.top;
  }
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ =
      CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
  old_ = SelectObject(dc_, bitmap_);
}

ScreenReader::~ScreenReader() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

Pixels ScreenReader::Read() {
  HDC screen = GetDC(nullptr);
  int y = 0;
  for (const RECT& area : areas_) {
    BitBlt(dc_, 0, y, area.right - area.left, area.bottom - area.top, screen, area.left, area.top,
           SRCCOPY);
    y += area.bottom - area.top;
  }
  ReleaseDC(nullptr, screen);
  GdiFlush();
  return Pixels(bits_, bits_ + static_cast<std::size_t>(width_) * height_);
}

std::vector<HWND> LoadedParts(HWND form) {
  return {GetDlgItem(form, kListView1), GetDlgItem(form, kLabel3), GetDlgItem(form, kText1Source)};
}

Watcher::Watcher(HWND window, const Pixels& wanted, bool startNow)
    : Watcher(window, wanted, AreasOf(LoadedParts(window)), startNow) {}

Watcher::Watcher(HWND window, const Pixels& wanted, std::vector<RECT> areas, bool startNow)
    : window_(window), wanted_(wanted), areas_(std::move(areas)) {
  if (startNow) start_ = Now();
  screen_ = std::thread([this] { WatchScreen(); });
  pinger_ = std::thread([this] { Ping(); });
}

Watcher::~Watcher() {
  done_ = true;
  while (!pingerDone_) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    AnswerMessages();
  }
  screen_.join();
  pinger_.join();
}

StepFigures Watcher::Figures() const {
  StepFigures figures;
  if (shownAt_ > 0) figures.pictureShown = shownAt_ - start_;
  if (answeredAt_ > 0) figures.answersAgain = answeredAt_ - start_;
  figures.longestWait = longestWait_;
  figures.hung = hung_;
  return figures;
}

void Watcher::WatchScreen() {
  ScreenReader reader(areas_);
  while (!done_) {
    if (start_ > 0) {
      if (IsHungAppWindow(window_)) hung_ = true;
      if (shownAt_ == 0 && reader.Read() == wanted_) shownAt_ = Now();
    }
    Sleep(1);
  }
}

void Watcher::Ping() {
  while (!done_) {
    const double sent = Now();
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &result);
    const double answered = Now(), start = start_;
    if (start > 0 && answered >= start) {
      // A message sent before the step counts from its start: the window's wait since then.
      const double waited = answered - std::max(sent, start);
      if (waited > longestWait_) longestWait_ = waited;
      if (answeredAt_ == 0 && sent >= start) answeredAt_ = answered;
    }
    Sleep(1);
  }
  pingerDone_ = true;
}

void AnswerUntilShown(const Watcher& watcher) {
  while (!watcher.shown() && (watcher.start() == 0 || Now() - watcher.start() < kTimeout)) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    AnswerMessages();
  }
}

Pixels SettledPicture(HWND window) { return SettledPicture(AreasOf(LoadedParts(window))); }

Pixels SettledPicture(const std::vector<RECT>& areas) {
  ScreenReader reader(areas);
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

void Print(const char* name, const StepFigures& figures) {
  std::printf(" %s_shown=%.3f %s_answers=%.3f %s_longest_wait=%.3f %s_hung=%d", name,
              figures.pictureShown, name, figures.answersAgain, name, figures.longestWait, name,
              figures.hung ? 1 : 0);
}

}  // namespace morvane::bench
