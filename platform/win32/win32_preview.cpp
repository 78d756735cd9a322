#include "platform/win32/win32_preview.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "platform/win32/late_bound.h"

namespace morvane::win32 {

namespace {

// A 32-bit DIB section: selecting it into and out of a DC, which each copy into the image
// list needs, is cheap, where a screen-compatible bitmap costs a tenth of a millisecond.
HBITMAP CanvasBitmap(int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

// Colour without mask or alpha: each picture is the whole canvas, background included.
constexpr UINT kImageFlags = ILC_COLOR24;
constexpr int kImageGrowth = 64;

}  // namespace

Win32Preview::Win32Preview(HWND list, HWND canvas, int canvasSize)
    : list_(list),
      canvas_(canvas),
      size_(canvasSize),
      kept_(CanvasBitmap(canvasSize)),
      keptDc_(CreateCompatibleDC(nullptr)),
      keptDcDefault_(SelectObject(keptDc_.get(), kept_.get())),
      images_(late::ImageList_Create(canvasSize, canvasSize, kImageFlags, 0, kImageGrowth)) {
  ClearKeptBitmap();
}

void Win32Preview::SetImagesAttached(bool attached) {
  // Attaching the list that is attached changes nothing, but the control would lay out anew.
  if (attached == imagesAttached_) return;
  imagesAttached_ = attached;
  ListView_SetImageList(list_, attached ? images_.get() : nullptr, LVSIL_NORMAL);
}

void Win32Preview::RemoveAllItems() {
  items_.clear();
  ListView_DeleteAllItems(list_);
}

// The list (LVS_OWNERDATA) keeps only the count and the selection; it asks for the rest.
void Win32Preview::AddItem(int position, const std::wstring& text, int imageNumber) {
  const std::size_t at = std::min(static_cast<std::size_t>(position - 1), items_.size());
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), {text, imageNumber - 1});
  ListView_SetItemCountEx(list_, static_cast<int>(items_.size()), LVSICF_NOINVALIDATEALL);
  if (items_.size() == 1) {
    const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list_, static_cast<int>(at), state, state);
  }
}

void Win32Preview::Describe(NMLVDISPINFOW& request) const {
  LVITEMW& item = request.item;
  if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= items_.size()) return;
  const Item& described = items_[static_cast<std::size_t>(item.iItem)];
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    lstrcpynW(item.pszText, described.text.c_str(), item.cchTextMax);
  }
  if (item.mask & LVIF_IMAGE) item.iImage = described.image;
}

void Win32Preview::HoldDrawing(bool held) {
  SendMessageW(list_, WM_SETREDRAW, !held, 0);
  if (!held) RedrawWindow(list_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
}

std::optional<int> Win32Preview::SelectedIndex() const {
  const int selected = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (selected < 0) return std::nullopt;
  return selected + 1;
}

void Win32Preview::RemoveAll() { late::ImageList_Remove(images_.get(), -1); }

void Win32Preview::AddCanvasImage() {
  // The image list copies the bitmap, which must not be selected into a DC meanwhile.
  SelectObject(keptDc_.get(), keptDcDefault_);
  late::ImageList_Add(images_.get(), kept_.get(), nullptr);
  SelectObject(keptDc_.get(), kept_.get());
}

void Win32Preview::SetAutoRedraw(bool on) {
  autoRedraw_ = on;
  if (!on) ShowKeptBitmap();
}

void Win32Preview::Clear() { ClearKeptBitmap(); }

void Win32Preview::DrawFileIcons(const std::wstring& path, int count,
                                 const std::function<void(int)>& drawn) {
  // One call per batch reads the file once for all its icons, where a call per icon would
  // open and parse it again every time. This is what ExtractIconW and ExtractIconExW do
  // underneath, at the system's large icon size; with ids asked for, it also fills every
  // handle under Wine's x86_64 build, where ExtractIconExW fills only the first.
  constexpr int kBatch = 64;
  const int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
  ReserveImages(count);
  for (int first = 0; first < count; first += kBatch) {
    const int size = std::min(kBatch, count - first);
    std::array<HICON, kBatch> extracted{};
    std::array<UINT, kBatch> ids{};
    PrivateExtractIconsW(path.c_str(), first, width, height, extracted.data(), ids.data(),
                         static_cast<UINT>(size), LR_DEFAULTCOLOR);
    std::array<unique_hicon, kBatch> icons;
    for (int i = 0; i < size; ++i) icons[i].reset(extracted[i]);

    for (int i = 0; i < size; ++i) {
      if (icons[i]) DrawIcon(keptDc_.get(), 0, 0, icons[i].get());
      icons[i].reset();
      drawn(first + i + 1);
    }
  }
}

// Room for every picture of a load at once: grown a few at a time, the image list would copy
// all its earlier pictures again at every step.
void Win32Preview::ReserveImages(int count) {
  if (late::ImageList_GetImageCount(images_.get()) != 0) return;
  unique_himagelist reserved{
      late::ImageList_Create(size_, size_, kImageFlags, count, kImageGrowth)};
  if (!reserved) return;
  if (imagesAttached_) ListView_SetImageList(list_, reserved.get(), LVSIL_NORMAL);
  images_ = std::move(reserved);
}

void Win32Preview::ShowImage(int number) {
  ClearKeptBitmap();
  late::ImageList_Draw(images_.get(), number - 1, keptDc_.get(), 0, 0, ILD_NORMAL);
}

void Win32Preview::Paint(HDC target) const {
  BitBlt(target, 0, 0, size_, size_, keptDc_.get(), 0, 0, SRCCOPY);
}

void Win32Preview::ClearKeptBitmap() {
  const RECT all{0, 0, size_, size_};
  FillRect(keptDc_.get(), &all, GetSysColorBrush(COLOR_WINDOW));
  if (!autoRedraw_) ShowKeptBitmap();
}

// Drawing with persistent drawing on is shown once it is switched off.
void Win32Preview::ShowKeptBitmap() { InvalidateRect(canvas_, nullptr, FALSE); }

}  // namespace morvane::win32
