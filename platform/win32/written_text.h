#pragma once
// Text that a Windows function writes into a buffer, asked first for the room it needs: the
// function is given a buffer and its size, and gives the length written, or the room needed.
#include <windows.h>

#include <optional>
#include <string>

namespace morvane::win32 {

template <class Write>
std::optional<std::wstring> WrittenText(Write write) {
  const DWORD needed = static_cast<DWORD>(write(nullptr, 0));
  if (needed == 0) return std::nullopt;
  std::wstring text(needed, L'\0');
  const DWORD length = static_cast<DWORD>(write(text.data(), needed));
  if (length == 0 || length >= needed) return std::nullopt;
  text.resize(length);
  return text;
}

}  // namespace morvane::win32
