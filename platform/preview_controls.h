#pragma once
// The three controls of the icon preview: the list, its image list and the drawing canvas.
// Pictures and items are numbered from 1.
#include <optional>
#include <string>

#include "platform/source_files.h"

namespace morvane {

class IconListView {  // ListView1
 public:
  virtual ~IconListView() = default;
  // Attaching the image list as the large-icon list; detaching leaves the list drawing nothing.
  virtual void SetImagesAttached(bool attached) = 0;
  virtual void RemoveAllItems() = 0;
  // Items 1 to `count`: item n has the text n and picture n of the image list.
  virtual void SetNumberedItems(int count) = 0;
  virtual void SelectItem(int position) = 0;
  // The selected item's position, or nothing when no item is selected.
  virtual std::optional<int> SelectedIndex() const = 0;
};

// A file whose icons the shell may read: the load found it safe as it stood then.
struct ShellIconFile {
  std::wstring path;
  FileStamp checked;  // a later read checks the file again if it no longer stands so
};

class PreviewImageList {  // ImageList1
 public:
  virtual ~PreviewImageList() = default;
  // No pictures, and no file to make them from.
  virtual void RemoveAll() = 0;
  // Pictures 1 to `count` become icons 1 to `count` of the file, each drawn with its top left
  // corner at the origin of the cleared canvas. A picture is made when it is first needed, a
  // screenful at a time, and may be dropped and made again; an icon the shell cannot extract
  // gives the bare canvas.
  virtual void SetIconFile(const ShellIconFile& file, int count) = 0;
};

class PreviewCanvas {  // Picture1
 public:
  virtual ~PreviewCanvas() = default;
  // While on, drawing goes into the kept bitmap; switching it off shows the result.
  virtual void SetAutoRedraw(bool on) = 0;
  // Clears the canvas and its kept bitmap to the background colour.
  virtual void Clear() = 0;
  // Shows picture `number` of the image list.
  virtual void ShowImage(int number) = 0;
};

}  // namespace morvane
