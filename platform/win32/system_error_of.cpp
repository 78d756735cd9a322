#include "platform/win32/system_error_of.h"

namespace morvane::win32 {

SystemError SystemErrorOf(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  SystemError error{code, length && text ? std::wstring(text, length) : std::wstring()};
  LocalFree(text);
  return error;
}

}  // namespace morvane::win32
