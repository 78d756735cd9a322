#pragma once
// The result of a step that can fail: a value, or the message that reports why there is none.
#include <optional>
#include <utility>

#include "platform/message_boxes.h"

namespace morvane {

template <class T>
class Outcome {
 public:
  Outcome(T value) : value_(std::move(value)) {}
  Outcome(Message failure) : failure_(std::move(failure)) {}

  explicit operator bool() const { return !failure_; }
  T& operator*() { return *value_; }
  T* operator->() { return &*value_; }
  const Message& failure() const { return *failure_; }

 private:
  std::optional<T> value_;
  std::optional<Message> failure_;
};

}  // namespace morvane
