#include "preview/icon_list.h"

#include <algorithm>
#include <climits>

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

// The count is the shell's, held below the top of an int; a file has never held more.
int IconCountOf(unsigned count) { return static_cast<int>(std::min<unsigned>(count, INT_MAX)); }

void ShowSelectedIcon(const FormControls& form, int iconCount) {
  const auto selected = form.ListView1->SelectedIndex();
  if (!selected) return;
  form.Picture1->ShowImage(*selected);
  form.Label3->SetCaption(CounterText(*selected, iconCount));
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

void LoadIconList(const FormControls& form, Platform& platform, int& iconCount,
                  const std::wstring& givenPath) {
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
  // The icons may live in another file than the one named; the fields keep the named one. The
  // shell reads only a file whose offsets it can follow without leaving it.
  const IconSource source = OpenIconSource(platform.sources, platform.paths, path);
  const bool readable = !source.file || source.file->ShellReaderStaysInFile();
  iconCount = readable ? IconCountOf(platform.shellIcons.CountIcons(source.path)) : 0;
  if (iconCount < 1) return platform.messages.Show(messages::kNoIcons);

  form.Text1[1]->SetText(name);
  form.Label2->SetCaption(folder);
  form.Label3->FitText(CounterText(iconCount, iconCount));
  // The pictures are made as the list shows them: the load ends with the count.
  form.ImageList1->SetIconFile({source.path, source.file ? source.file->Stamp() : FileStamp{}},
                               iconCount);
  form.ListView1->SetImagesAttached(true);
  form.ListView1->SetNumberedItems(iconCount);
  form.ListView1->SelectItem(1);
  ShowSelectedIcon(form, iconCount);
}

void ListView1_Click(const FormControls& form, int iconCount) {
  const auto selected = form.ListView1->SelectedIndex();
  if (!selected) return;
  {
    const auto drawing = PersistentDrawing(*form.Picture1);
    form.Picture1->ShowImage(*selected);
  }
  form.Label3->SetCaption(CounterText(*selected, iconCount));
}

}  // namespace morvane
