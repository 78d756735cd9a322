#pragma once
// The three controls of the icon preview: the list, the pictures it shows, and the canvas that
// shows the selected icon large. Items and icons are numbered from 1; a picture is named by its
// place in the picture list.
#include <optional>
#include <string>

namespace morvane {

class IconListView {  // ListView1
 public:
  virtual ~IconListView() = default;
  // Whether the list draws its items from the picture list; detached, it draws none.
  virtual void AttachPictures(bool attached) = 0;
  virtual void RemoveItems() = 0;
  // Items 1 to `count`: item n has the text n, and the list asks for its picture as it shows it.
  virtual void ShowNumberedItems(int count) = 0;
  virtual void Select(int item) = 0;
  // The selected item, or nothing when no item is selected.
  virtual std::optional<int> SelectedItem() const = 0;
};

class PictureList {  // ImageList1
 public:
  virtual ~PictureList() = default;
  // The pictures from place `first` on become icons `firstIcon` to `firstIcon + count - 1` of
  // the file, counted from 0, each drawn at the origin of the cleared canvas. An icon the shell
  // cannot extract gives the bare canvas, and so does every icon when `file` is empty.
  virtual void DrawIcons(const std::wstring& file, int firstIcon, int count, int first) = 0;
};

class Canvas {  // Picture1
 public:
  virtual ~Canvas() = default;
  // While on, drawing goes into the kept bitmap; switching it off shows the result.
  virtual void KeepDrawing(bool on) = 0;
  // The canvas and its kept bitmap in the background colour.
  virtual void ClearDrawing() = 0;
  // Shows the picture at `place` of the picture list.
  virtual void ShowPicture(int place) = 0;
};

}  // namespace morvane
