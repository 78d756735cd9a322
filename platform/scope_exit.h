#pragma once
// Runs a piece of work at the end of a scope, however the scope ends: for state that is set
// and must be cleared again.
#include <utility>

namespace morvane {

template <class Work>
class ScopeExit {
 public:
  explicit ScopeExit(Work work) : work_(std::move(work)) {}
  ~ScopeExit() { work_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  Work work_;
};

// Raises a flag until the scope ends, however it ends.
inline auto Raised(bool& flag) {
  flag = true;
  return ScopeExit([&flag] { flag = false; });
}

}  // namespace morvane
