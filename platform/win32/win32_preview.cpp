#include "platform/win32/win32_preview.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

namespace morvane::win32 {

namespace {

// A memory device context with a bitmap selected into it for as long as it lives.
class BitmapDC {
 public:
  explicit BitmapDC(HBITMAP bitmap)
      : dc_(CreateCompatibleDC(nullptr)), old_(SelectObject(dc_.get(), bitmap)) {}
  ~BitmapDC() { SelectObject(dc_.get(), old_); }
  BitmapDC(const BitmapDC&) = delete;
  BitmapDC& operator=(const BitmapDC&) = delete;
  HDC get() const { return dc_.get(); }

 private:
  unique_hdc dc_;
  HGDIOBJ old_;
};

HBITMAP ScreenBitmap(int size) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

}  // namespace

Win32Preview::Win32Preview(HWND list, HWND canvas, int canvasSize)
    : list_(list),
      canvas_(canvas),
      size_(canvasSize),
      kept_(ScreenBitmap(canvasSize)),
      // Colour without mask or alpha: each picture is the whole canvas, background included.
      images_(ImageList_Create(canvasSize, canvasSize, ILC_COLOR24, 0, 16)) {
  BitmapDC dc(kept_.get());
  ClearKeptBitmap(dc.get());
}

void Win32Preview::SetImagesAttached(bool attached) {
  ListView_SetImageList(list_, attached ? images_.get() : nullptr, LVSIL_NORMAL);
}

void Win32Preview::RemoveAllItems() { ListView_DeleteAllItems(list_); }

void Win32Preview::AddItem(int position, const std::wstring& text, int imageNumber) {
  const bool wasEmpty = ListView_GetItemCount(list_) == 0;
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = position - 1;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  item.iImage = imageNumber - 1;
  const int added =
      static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (wasEmpty && added >= 0) {
    const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list_, added, state, state);
  }
}

std::optional<int> Win32Preview::SelectedIndex() const {
  const int selected = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (selected < 0) return std::nullopt;
  return selected + 1;
}

void Win32Preview::RemoveAll() { ImageList_RemoveAll(images_.get()); }

void Win32Preview::AddCanvasImage(int position) {
  // The image list copies the bitmap, which must not be selected into a DC meanwhile.
  ImageList_Add(images_.get(), kept_.get(), nullptr);
  (void)position;  // images are only ever appended, in position order
}

void Win32Preview::SetAutoRedraw(bool on) {
  if (!on) InvalidateRect(canvas_, nullptr, FALSE);
}

void Win32Preview::Clear() {
  BitmapDC dc(kept_.get());
  ClearKeptBitmap(dc.get());
  InvalidateRect(canvas_, nullptr, FALSE);
}

void Win32Preview::DrawFileIcons(const std::wstring& path, int count,
                                 const std::function<void(int)>& drawn) {
  // One call per batch reads the file once for all its icons, where a call per icon would
  // open and parse it again every time. This is what ExtractIconW and ExtractIconExW do
  // underneath, at the system's large icon size; with ids asked for, it also fills every
  // handle under Wine's x86_64 build, where ExtractIconExW fills only the first.
  constexpr int kBatch = 64;
  const int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
  for (int first = 0; first < count; first += kBatch) {
    const int size = std::min(kBatch, count - first);
    std::array<HICON, kBatch> extracted{};
    std::array<UINT, kBatch> ids{};
    PrivateExtractIconsW(path.c_str(), first, width, height, extracted.data(), ids.data(),
                         static_cast<UINT>(size), LR_DEFAULTCOLOR);
    std::array<unique_hicon, kBatch> icons;
    for (int i = 0; i < size; ++i) icons[i].reset(extracted[i]);

    for (int i = 0; i < size; ++i) {
      if (icons[i]) {
        BitmapDC dc(kept_.get());
        DrawIcon(dc.get(), 0, 0, icons[i].get());
      }
      icons[i].reset();
      drawn(first + i + 1);
    }
  }
}

void Win32Preview::ShowImage(int number) {
  BitmapDC dc(kept_.get());
  ClearKeptBitmap(dc.get());
  ImageList_Draw(images_.get(), number - 1, dc.get(), 0, 0, ILD_NORMAL);
  InvalidateRect(canvas_, nullptr, FALSE);
}

void Win32Preview::Paint(HDC target) const {
  BitmapDC dc(kept_.get());
  BitBlt(target, 0, 0, size_, size_, dc.get(), 0, 0, SRCCOPY);
}

void Win32Preview::ClearKeptBitmap(HDC dc) const {
  const RECT all{0, 0, size_, size_};
  FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
}

}  // namespace morvane::win32
