#pragma once
// The last word on a failure that nothing else can handle: the user is told, in Japanese, what
// failed, and the program ends with exit code 1.
#include <string>

namespace morvane::win32 {

[[noreturn]] void EndWithMessage(const std::wstring& text) noexcept;

// For a catch block: "<what> に失敗したため、Morvane を終了します。" and the failure caught,
// then the end.
[[noreturn]] void EndAfterFailure(const std::wstring& what) noexcept;

}  // namespace morvane::win32
