#include "preview/icon_list.h"

#include <algorithm>

#include "platform/scope_exit.h"
#include "preview/preview_messages.h"
#include "platform/icon_source.h"

namespace morvane {

namespace {

bool IsIconFileName(const std::wstring& path) {
  std::wstring tail = path.substr(path.size() - std::min<std::size_t>(path.size(), 4));
  for (wchar_t& c : tail) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return tail == L".ico";
}

// The canvas's persistent drawing, on until the scope ends: what is drawn then shows at its end.
auto PersistentDrawing(PreviewCanvas& canvas) {
  canvas.SetAutoRedraw(true);
  return ScopeExit([&canvas] { canvas.SetAutoRedraw(false); });
}

void EmptySourceFields(const FormControls& form) {
  form.Text1[1]->SetText(L"");
  form.Label2->SetCaption(L"");
}

void FillPreview(const FormControls& form, const std::wstring& path, int count) {
  // The list paints once, with every item, when the scope ends.
  form.ListView1->HoldDrawing(true);
  const ScopeExit release([&form] { form.ListView1->HoldDrawing(false); });
  form.Picture1->DrawFileIcons(path, count, [&form](int i) {
    form.ImageList1->AddCanvasImage();
    form.ListView1->SetImagesAttached(true);
    form.ListView1->AddItem(i, std::to_wstring(i), i);
    form.Picture1->Clear();
  });
}

}  // namespace

void ResetSourceDisplay(const FormControls& form) {
  EmptySourceFields(form);
  {
    const auto drawing = PersistentDrawing(*form.Picture1);
    form.Picture1->Clear();
  }
  EmptyPreviewList(form);
}

void EmptyPreviewList(const FormControls& form) {
  form.ListView1->SetImagesAttached(false);
  form.ListView1->RemoveAllItems();
  form.ImageList1->RemoveAll();
}

std::wstring CounterText(int number, int total) {
  return L"Icon No．： " + std::to_wstring(number) + L"/" + std::to_wstring(total);
}

void LoadIconList(const FormControls& form, Platform& platform, std::int16_t& iconCount,
                  const std::wstring& givenPath, PreviewPictures pictures) {
  if (IsIconFileName(givenPath)) return platform.messages.Show(messages::kIconFileRefused);
  const auto waiting = Waiting(platform.cursor);

  // A short (8.3) path becomes its long form, or empty when it has none.
  std::wstring path = givenPath;
  if (path.find(L'~') != std::wstring::npos) path = platform.paths.LongPathName(path).value_or(L"");
  const std::wstring folder = FolderOf(path), name = NameOf(path);

  EmptySourceFields(form);
  const auto drawing = PersistentDrawing(*form.Picture1);  // until the load ends, however it ends
  form.Picture1->Clear();
  EmptyPreviewList(form);
  // The icons may live in another file than the one named; the fields keep the named one. It
  // stays mapped, and so unwritable, until the load ends; the shell reads only a file whose
  // offsets it can follow without leaving it.
  const IconSource source = OpenIconSource(platform.sources, platform.paths, path);
  const bool readable = !source.file || source.file->ShellReaderStaysInFile();
  // The count is kept in 16 bits: a larger one is held at the top rather than wrapped.
  const unsigned count = readable ? platform.shellIcons.CountIcons(source.path) : 0;
  iconCount = static_cast<std::int16_t>(std::min<unsigned>(count, INT16_MAX));

  if (iconCount < 1) {
    platform.messages.Show(messages::kNoIcons);
  } else {
    form.Text1[1]->SetText(name);
    form.Label2->SetCaption(folder);
    if (pictures == PreviewPictures::Skipped) {
      form.Label3->SetCaption(CounterText(1, iconCount));  // as if item 1 were selected
    } else {
      FillPreview(form, source.path, iconCount);
    }
    if (const auto selected = form.ListView1->SelectedIndex()) {
      form.Picture1->ShowImage(*selected);
      form.Label3->SetCaption(CounterText(*selected, iconCount));
    }
  }
}

void ListView1_Click(const FormControls& form, std::int16_t iconCount) {
  const auto selected = form.ListView1->SelectedIndex();
  if (!selected) return;
  {
    const auto drawing = PersistentDrawing(*form.Picture1);
    form.Picture1->ShowImage(*selected);
  }
  form.Label3->SetCaption(CounterText(*selected, iconCount));
}

}  // namespace morvane
