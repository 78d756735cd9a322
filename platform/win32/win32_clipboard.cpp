#include "platform/win32/win32_clipboard.h"

#include <cstring>

#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

namespace {

unique_hglobal GlobalCopyOf(const Bytes& bytes) {
  unique_hglobal memory{GlobalAlloc(GMEM_MOVEABLE, bytes.size())};
  void* at = memory ? GlobalLock(memory.get()) : nullptr;
  if (!at) return {};
  std::memcpy(at, bytes.data(), bytes.size());
  GlobalUnlock(memory.get());
  return memory;
}

// The clipboard, open until the scope ends. Another program may hold it for a moment.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    for (int tries = 0; tries < 10 && !open_; ++tries) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(20);
    }
  }
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

// Once the clipboard takes the memory, it owns it.
bool Hand(UINT format, unique_hglobal memory) {
  if (!format || !SetClipboardData(format, memory.get())) return false;
  memory.release();
  return true;
}

}  // namespace

bool Win32Clipboard::PutImage(const Bytes& dibV5, const Bytes& dib, const Bytes& png) {
  unique_hglobal v5 = GlobalCopyOf(dibV5), plain = GlobalCopyOf(dib), file = GlobalCopyOf(png);
  if (!v5 || !plain || !file) return false;
  const OpenedClipboard clipboard(owner_);
  if (!clipboard || !EmptyClipboard()) return false;
  return Hand(CF_DIBV5, std::move(v5)) && Hand(CF_DIB, std::move(plain)) &&
         Hand(RegisterClipboardFormatW(L"PNG"), std::move(file));
}

}  // namespace morvane::win32
