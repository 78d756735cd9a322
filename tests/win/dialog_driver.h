#pragma once
// Drives the first dialog this thread opens while it lives: shortly after it becomes active,
// it is handed to a function that reads it and answers it as a user would.
#include <windows.h>

#include <functional>

namespace morvane::testing {

class DialogDriver {
 public:
  explicit DialogDriver(std::function<void(HWND dialog)> answer);
  ~DialogDriver();
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  int dialogsSeen() const;

 private:
  HHOOK hook_;
};

}  // namespace morvane::testing
