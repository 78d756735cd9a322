#pragma once
// Records and dismisses every message box the thread opens while it lives.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace morvane::testing {

struct CaughtMessage {
  std::wstring text;
  std::wstring caption;
  bool questionIcon = false;
  bool okOnly = false;
};

class MessageBoxCatcher {
 public:
  MessageBoxCatcher();
  ~MessageBoxCatcher();
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

  // Called as each box opens, before it is confirmed: a look at the state behind the box.
  void OnShow(std::function<void()> look);

  const std::vector<CaughtMessage>& caught() const;
  std::vector<std::wstring> texts() const;

 private:
  HHOOK hook_;
};

}  // namespace morvane::testing
