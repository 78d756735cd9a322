#pragma once
// The three controls of the icon preview: the list, its image list and the drawing canvas.
// Pictures and items are numbered from 1.
#include <functional>
#include <optional>
#include <string>

namespace morvane {

class IconListView {  // ListView1
 public:
  virtual ~IconListView() = default;
  // Attaching the image list as the large-icon list; detaching leaves the list drawing nothing.
  virtual void SetImagesAttached(bool attached) = 0;
  virtual void RemoveAllItems() = 0;
  // The first item added to an empty list becomes the selected item.
  virtual void AddItem(int position, const std::wstring& text, int imageNumber) = 0;
  // The selected item's position, or nothing when no item is selected.
  virtual std::optional<int> SelectedIndex() const = 0;
  // While held, the list neither lays out nor paints what changes on the screen; released, it
  // shows the result at once. A shown list would otherwise repaint with every item added.
  virtual void HoldDrawing(bool held) = 0;
};

class PreviewImageList {  // ImageList1
 public:
  virtual ~PreviewImageList() = default;
  virtual void RemoveAll() = 0;
  // Stores a copy of the canvas's kept bitmap as the next picture.
  virtual void AddCanvasImage() = 0;
};

class PreviewCanvas {  // Picture1
 public:
  virtual ~PreviewCanvas() = default;
  // While on, drawing goes into the kept bitmap; switching it off shows the result.
  virtual void SetAutoRedraw(bool on) = 0;
  // Clears the canvas and its kept bitmap to the background colour.
  virtual void Clear() = 0;
  // Draws the file's icons 1 to `count` in turn, each with its top left corner at the origin
  // of the cleared canvas, and hands each number to `drawn` as soon as that icon is drawn.
  // An icon the shell cannot extract draws nothing. The icons are read from the file a few
  // dozen at a time; each is freed once drawn.
  virtual void DrawFileIcons(const std::wstring& path, int count,
                             const std::function<void(int number)>& drawn) = 0;
  // Shows picture `number` of the image list.
  virtual void ShowImage(int number) = 0;
};

}  // namespace morvane
