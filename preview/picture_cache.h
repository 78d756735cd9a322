#pragma once
// The pictures of one file's icons, made from the shell's extraction a batch at a time when the
// list first asks for them. They live in a picture list of a fixed size: the batches asked for
// most recently stay, and the one longest unasked makes way. Place 0 is the bare canvas.
#include <array>
#include <string>

#include "platform/preview_controls.h"
#include "platform/source_files.h"

namespace morvane {

// A file whose icons the shell may read: the load found it safe as it stood then.
struct ShellIconFile {
  std::wstring path;
  FileStamp checked;  // a later read checks the file again if it no longer stands so
};

class PictureCache {
 public:
  // A batch is about a screenful; the list holds this many of them.
  static constexpr int kBatch = 16;
  static constexpr int kBatches = 16;
  static constexpr int kPlaces = 1 + kBatch * kBatches;

  // Over a picture list of kPlaces pictures, whose place 0 is the bare canvas.
  PictureCache(PictureList& pictures, SourceFiles& files) : pictures_(pictures), files_(files) {}

  // Forgets every picture made; icons 1 to `count` of `file` have pictures from now on.
  void UseFile(const ShellIconFile& file, int count);
  // Forgets every picture and the file.
  void Forget() { UseFile({}, 0); }
  // Forgets every picture made, as when the picture list was made anew; the file stays.
  void ForgetPictures() { slots_.fill({}); }
  // The place of icon `number`'s picture, made with its batch if need be; the bare canvas for a
  // number without a picture.
  int PlaceOf(int number);

 private:
  struct Slot {
    int batch = -1;          // which batch the slot holds, -1 for none
    unsigned long used = 0;  // when it was last asked for
  };

  void Make(int batch, int slot);
  // Whether the shell may read the file as it stands now, which `held` keeps it standing.
  bool ShellMayRead(const SourceFile* held);

  PictureList& pictures_;
  SourceFiles& files_;
  ShellIconFile file_;
  bool safe_ = true;  // as the shell's reader was last found for file_.checked
  int count_ = 0;
  std::array<Slot, kBatches> slots_;
  unsigned long clock_ = 0;
};

}  // namespace morvane
