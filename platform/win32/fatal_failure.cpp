#include "platform/win32/fatal_failure.h"

#include <windows.h>

#include <exception>
#include <new>

#include "platform/program_texts.h"

namespace morvane::win32 {

namespace {

// The failure being handled, in words.
std::wstring CaughtFailure() noexcept {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return texts::kOutOfMemory;
  } catch (const std::exception& failure) {
    std::wstring text;
    for (const char* c = failure.what(); *c; ++c) text += static_cast<wchar_t>(*c);
    return text;
  } catch (...) {
    return texts::kUnknownFailure;
  }
}

}  // namespace

void EndWithMessage(const std::wstring& text) noexcept {
  MessageBoxW(nullptr, text.c_str(), texts::kTitle.c_str(), MB_OK | MB_ICONQUESTION);
  ExitProcess(1);
}

void EndAfterFailure(const std::wstring& what) noexcept {
  try {
    EndWithMessage(texts::EndsAfterFailure(what, CaughtFailure()));
  } catch (...) {
    ExitProcess(1);  // not even the message could be made
  }
}

}  // namespace morvane::win32
