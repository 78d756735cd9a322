#include "platform/win32/win32_picture_list.h"

#include <vector>

#include "platform/win32/late_bound.h"

namespace morvane::win32 {

Win32PictureList::Win32PictureList(int size, int places)
    : places_(places), canvasDc_(CreateCompatibleDC(nullptr)) {
  Make(size);
}

Win32PictureList::~Win32PictureList() { late::ImageList_Destroy(images_); }

void Win32PictureList::Resize(int size) {
  const HIMAGELIST old = images_;
  Make(size);
  late::ImageList_Destroy(old);
}

// Colour without mask or alpha: each picture is the whole canvas, background included.
void Win32PictureList::Make(int size) {
  size_ = size;
  images_ = late::ImageList_Create(size, size, ILC_COLOR24, places_, 0);
  canvas_.reset(DibSection(size, size));
  late::ImageList_SetImageCount(images_, places_);
  Draw(nullptr, 0);
}

void Win32PictureList::DrawIcons(const std::wstring& file, int firstIcon, int count, int first) {
  std::vector<HICON> icons(static_cast<std::size_t>(count));
  std::vector<UINT> ids(icons.size());
  // One call reads the file once for the whole batch. With ids asked for, it fills every
  // handle under Wine's x86_64 build too, where ExtractIconExW fills only the first.
  if (!file.empty() && count > 0) {
    PrivateExtractIconsW(file.c_str(), firstIcon, size_, size_, icons.data(), ids.data(),
                         static_cast<UINT>(count), LR_DEFAULTCOLOR);
  }
  for (int i = 0; i < count; ++i) {
    const unique_hicon icon(icons[static_cast<std::size_t>(i)]);  // freed once drawn
    Draw(icon.get(), first + i);
  }
}

void Win32PictureList::Draw(HICON icon, int place) {
  {
    // The image list copies the bitmap, which must not be selected into a DC meanwhile.
    const SelectedObject drawing(canvasDc_.get(), canvas_.get());
    const RECT all{0, 0, size_, size_};
    FillRect(canvasDc_.get(), &all, GetSysColorBrush(COLOR_WINDOW));
    if (icon) DrawIconEx(canvasDc_.get(), 0, 0, icon, size_, size_, 0, nullptr, DI_NORMAL);
  }
  late::ImageList_Replace(images_, place, canvas_.get(), nullptr);
}

}  // namespace morvane::win32
