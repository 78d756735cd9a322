#include "app/extraction_progress.h"

#include <cstdint>
#include <string>

#include "platform/program_texts.h"

namespace morvane {

namespace {

constexpr double kSilentSeconds = 1.0;  // a run shorter than this shows no percentage
constexpr double kAnswerEvery = 0.1;    // seconds between two looks at the window's messages

}  // namespace

ExtractionProgress::ExtractionProgress(Button& button, Process& process, MessagePump& pump)
    : button_(button),
      process_(process),
      pump_(pump),
      start_(process.Seconds()),
      lastAnswered_(start_) {}

bool ExtractionProgress::Written(int written, int total) {
  const double now = process_.Seconds();
  if (now - start_ >= kSilentSeconds && total > 0) {
    const int percent = static_cast<int>(std::int64_t{written} * 100 / total);
    if (percent != shownPercent_) {
      shownPercent_ = percent;
      button_.SetCaption(std::wstring(texts::kExtracting) + L" " + std::to_wstring(percent) + L"%");
      lastAnswered_ = now - kAnswerEvery;  // shows the new caption at once
    }
  }
  if (now - lastAnswered_ < kAnswerEvery) return true;
  lastAnswered_ = now;
  return pump_.AnswerWhileBusy() != Interruption::Stop;
}

}  // namespace morvane
