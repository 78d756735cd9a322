#include "preview/picture_cache.h"

#include <algorithm>

namespace morvane {

void PictureCache::UseFile(const ShellIconFile& file, int count) {
  file_ = file;
  safe_ = true;  // the load found it so
  count_ = count;
  slots_.fill({});
}

int PictureCache::PlaceOf(int number) {
  if (number < 1 || number > count_) return 0;
  const int batch = (number - 1) / kBatch;
  auto slot = std::find_if(slots_.begin(), slots_.end(),
                           [batch](const Slot& s) { return s.batch == batch; });
  if (slot == slots_.end()) {
    slot = std::min_element(slots_.begin(), slots_.end(),
                            [](const Slot& a, const Slot& b) { return a.used < b.used; });
    Make(batch, static_cast<int>(slot - slots_.begin()));
    slot->batch = batch;
  }
  slot->used = ++clock_;
  return 1 + static_cast<int>(slot - slots_.begin()) * kBatch + (number - 1) % kBatch;
}

void PictureCache::Make(int batch, int slot) {
  const int first = batch * kBatch;
  // Open from the check until the shell has read it: a file changed between the two would be
  // unsafe input.
  const auto held = files_.Open(file_.path);
  const std::wstring readable = ShellMayRead(held.get()) ? file_.path : std::wstring();
  pictures_.DrawIcons(readable, first, std::min(kBatch, count_ - first), 1 + slot * kBatch);
}

bool PictureCache::ShellMayRead(const SourceFile* held) {
  if (!held) return true;  // a file that cannot be opened is the shell's to judge
  if (held->Stamp() == file_.checked) return safe_;
  // Changed since it was last checked: look again, at the file as the shell will read it.
  safe_ = held->SafeForShell();
  file_.checked = held->Stamp();
  return safe_;
}

}  // namespace morvane
