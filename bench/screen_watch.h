#pragma once
// What the user sees of one step in the shown window, watched from two other threads: one reads
// the screen until it shows the wanted pixels and asks whether the window is hung; one keeps
// sending the window a message and notes how long each waits for its answer.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace morvane::bench {

using Pixels = std::vector<DWORD>;

constexpr double kTimeout = 180;  // seconds a step may take before it counts as never done

// Handles every message waiting for this thread.
void AnswerMessages();

// What the screen shows of some windows, scroll bars and frames included, one after another.
class ScreenReader {
 public:
  explicit ScreenReader(const std::vector<HWND>& windows);
  explicit ScreenReader(const std::vector<RECT>& areas);
  ~ScreenReader();
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;
  Pixels Read();

 private:
  std::vector<RECT> areas_;
  int width_ = 0, height_ = 0;  // the widest area, and all of them stacked
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  DWORD* bits_ = nullptr;
};

// The parts of the window that a load changes: the list, the counter and the source field.
// None of them holds the caret, which would blink.
std::vector<HWND> LoadedParts(HWND form);

// Where windows are on the screen, frames included.
std::vector<RECT> AreasOf(const std::vector<HWND>& windows);

struct StepFigures {
  double pictureShown = -1;  // from the step's start
  double answersAgain = -1;  // the first message sent after the start, answered
  double longestWait = 0;    // the longest the window kept a message waiting after the start
  bool hung = false;         // IsHungAppWindow was ever true after the start
};

class Watcher {
 public:
  // Starts watching at once, or from Begin() when `startNow` is false: the window's loaded
  // parts, or the areas of the screen given.
  Watcher(HWND window, const Pixels& wanted, bool startNow = true);
  Watcher(HWND window, const Pixels& wanted, std::vector<RECT> areas, bool startNow = true);
  // The last message sent must be answered before the pinger can end.
  ~Watcher();
  Watcher(const Watcher&) = delete;
  Watcher& operator=(const Watcher&) = delete;

  void Begin(double start) { start_ = start; }
  double start() const { return start_; }
  bool shown() const { return shownAt_ > 0; }
  StepFigures Figures() const;

 private:
  void WatchScreen();
  void Ping();

  HWND window_;
  Pixels wanted_;
  std::vector<RECT> areas_;
  std::atomic<double> start_{0};
  std::atomic<bool> done_{false}, pingerDone_{false}, hung_{false};
  std::atomic<double> shownAt_{0}, answeredAt_{0}, longestWait_{0};
  std::thread screen_, pinger_;
};

// Answers the window's messages until the watcher has seen its picture, or the time is up.
void AnswerUntilShown(const Watcher& watcher);

// Answers messages until the window's loaded parts, or the areas given, have not changed for
// two seconds; gives their pixels.
Pixels SettledPicture(HWND window);
Pixels SettledPicture(const std::vector<RECT>& areas);

Pixels ReadPicture(const std::wstring& path);
void WritePicture(const std::wstring& path, const Pixels& pixels);

// name_shown=… name_answers=… name_longest_wait=… name_hung=…
void Print(const char* name, const StepFigures& figures);

}  // namespace morvane::bench
