#pragma once
// Reading pixels and taking screenshots in tests that drive the real window.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>
#include <string>
#include <vector>

namespace morvane::testing {

using Pixels = std::vector<DWORD>;  // 0x00RRGGBB, rows top-down

// Windows calls a window hung that has taken no message for this long: the bound of a test that
// guards against a freeze. How long things really take is the benchmarks' to tell.
constexpr double kHungSeconds = 5.0;
constexpr DWORD kHungMs = 5000;

// What `draw` paints onto a square of `size` pixels, or a rectangle, first filled with the
// window colour.
Pixels DrawnPixels(int size, const std::function<void(HDC)>& draw);
Pixels DrawnPixels(int width, int height, const std::function<void(HDC)>& draw);

// What a window shows on screen, `size` pixels square from its top left corner.
Pixels ShownPixels(HWND window, int size);

// Handles every message waiting for this thread.
void PumpMessages();

// Checks `condition` every 10 ms, handling this thread's messages meanwhile, for up to
// `timeoutMs`; a failure names what it waited for and how long.
::testing::AssertionResult WaitFor(const char* what, const std::function<bool()>& condition,
                                   DWORD timeoutMs = 20000);

// Another thread that keeps sending a window a message, as other programs do, for as long as it
// lives: how long the window ever took to answer one.
class AnswerWatch {
 public:
  explicit AnswerWatch(HWND window);
  ~AnswerWatch();
  AnswerWatch(const AnswerWatch&) = delete;
  AnswerWatch& operator=(const AnswerWatch&) = delete;

  // The longest wait so far for an answer, in seconds; one still unanswered counts as it stands.
  double LongestWait() const;

 private:
  HWND window_;
  std::atomic<bool> done_{false}, finished_{false};
  std::atomic<ULONGLONG> sentAt_{0};   // of the message waiting for its answer, 0 for none
  std::atomic<ULONGLONG> longest_{0};  // milliseconds
  std::thread sender_;
};

// Saves what a top-level window shows, frame included, as a PNG file.
bool SaveScreenshot(HWND window, const std::wstring& pngPath);

}  // namespace morvane::testing
