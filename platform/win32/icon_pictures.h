#pragma once
// The pictures of one file's icons, each the icon drawn at the origin of the cleared canvas,
// made from the shell's extraction a batch at a time when first asked for. They live in one
// image list of a fixed size: the batches asked for most recently stay, and the one longest
// unasked makes way. Image 0 of the list is the bare canvas.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>

#include "platform/preview_controls.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

class ReadOnlyFile;

class IconPictures {
 public:
  // Pictures of `size` pixels square.
  explicit IconPictures(int size);

  HIMAGELIST images() const { return images_.get(); }
  // Forgets every picture made; pictures 1 to `count` are now those of `file`'s icons.
  void SetFile(const ShellIconFile& file, int count);
  // Forgets every picture and the file.
  void Clear() { SetFile({}, 0); }
  // The image list's index of picture `number`, made with its batch if need be; the bare
  // canvas for a number without a picture.
  int IndexOf(int number);

  // A batch is about a screenful; the list holds this many of them.
  static constexpr int kBatch = 16;
  static constexpr int kBatches = 16;

 private:
  struct Slot {
    int batch = -1;          // which batch the slot holds, -1 for none
    unsigned long used = 0;  // when it was last asked for
  };

  void Make(int batch, int slot);
  // Whether the shell may read the file as it stands now; `held` keeps it standing so.
  bool ShellMayRead(const ReadOnlyFile* held);
  void DrawPicture(HICON icon, int index);

  int size_;
  unique_himagelist images_;
  unique_hbitmap canvas_;
  unique_hdc canvasDc_;
  HGDIOBJ canvasDcDefault_;
  ShellIconFile file_;
  bool safe_ = true;  // as the shell's reader was last found for file_.checked
  int count_ = 0;
  std::array<Slot, kBatches> slots_;
  unsigned long clock_ = 0;
};

}  // namespace morvane::win32
