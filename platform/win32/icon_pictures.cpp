#include "platform/win32/icon_pictures.h"

#include <algorithm>

#include "formats/module_file.h"
#include "platform/win32/dib_section.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/mapped_file.h"

namespace morvane::win32 {

namespace {

// Colour without mask or alpha: each picture is the whole canvas, background included.
constexpr UINT kImageFlags = ILC_COLOR24;

}  // namespace

IconPictures::IconPictures(int size)
    : size_(size),
      images_(late::ImageList_Create(size, size, kImageFlags, 1 + kBatches * kBatch, 0)),
      canvas_(DibSection(size, size)),  // selected out and in again for every picture
      canvasDc_(CreateCompatibleDC(nullptr)),
      canvasDcDefault_(SelectObject(canvasDc_.get(), canvas_.get())) {
  late::ImageList_SetImageCount(images_.get(), 1 + kBatches * kBatch);
  DrawPicture(nullptr, 0);
}

void IconPictures::SetFile(const ShellIconFile& file, int count) {
  file_ = file;
  safe_ = true;  // the load found it so
  count_ = count;
  slots_.fill({});
}

int IconPictures::IndexOf(int number) {
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

void IconPictures::Make(int batch, int slot) {
  const int first = batch * kBatch;
  const int size = std::min(kBatch, count_ - first);
  std::array<HICON, kBatch> extracted{};
  std::array<UINT, kBatch> ids{};
  {
    // One call reads the file once for the whole batch. With ids asked for, it fills every
    // handle under Wine's x86_64 build too, where ExtractIconExW fills only the first.
    const auto held = ReadOnlyFile::Open(file_.path);
    if (ShellMayRead(held ? &*held : nullptr)) {
      PrivateExtractIconsW(file_.path.c_str(), first, GetSystemMetrics(SM_CXICON),
                           GetSystemMetrics(SM_CYICON), extracted.data(), ids.data(),
                           static_cast<UINT>(size), LR_DEFAULTCOLOR);
    }
  }
  for (int i = 0; i < kBatch; ++i) {
    const unique_hicon icon(extracted[static_cast<std::size_t>(i)]);  // freed once drawn
    DrawPicture(icon.get(), 1 + slot * kBatch + i);
  }
}

bool IconPictures::ShellMayRead(const ReadOnlyFile* held) {
  if (!held) return true;  // a file that cannot be opened is the shell's to judge
  if (held->stamp() == file_.checked) return safe_;
  // Changed since it was last checked: look again, at the file as the shell will read it.
  const auto view = FileView::Map(*held);
  safe_ = !view || ShellReaderStaysInFile(view->bytes().data(), view->bytes().size());
  file_.checked = held->stamp();
  return safe_;
}

void IconPictures::DrawPicture(HICON icon, int index) {
  const RECT all{0, 0, size_, size_};
  FillRect(canvasDc_.get(), &all, GetSysColorBrush(COLOR_WINDOW));
  if (icon) DrawIcon(canvasDc_.get(), 0, 0, icon);
  // The image list copies the bitmap, which must not be selected into a DC meanwhile.
  SelectObject(canvasDc_.get(), canvasDcDefault_);
  late::ImageList_Replace(images_.get(), index, canvas_.get(), nullptr);
  SelectObject(canvasDc_.get(), canvas_.get());
}

}  // namespace morvane::win32
