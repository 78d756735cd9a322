#pragma once
// The result of a step that can fail: a value, or the message that reports why there is none.
#include <optional>
#include <string>
#include <utility>

namespace morvane {

struct Failure {
  std::wstring text;
  std::wstring caption;
};

template <class T>
class Outcome {
 public:
  Outcome(T value) : value_(std::move(value)) {}
  Outcome(Failure failure) : failure_(std::move(failure)) {}

  explicit operator bool() const { return !failure_; }
  T& operator*() { return *value_; }
  T* operator->() { return &*value_; }
  const Failure& failure() const { return *failure_; }

 private:
  std::optional<T> value_;
  std::optional<Failure> failure_;
};

}  // namespace morvane
