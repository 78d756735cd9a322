#include "preview/icon_list.h"

#include <algorithm>
#include <climits>

#include "platform/icon_source.h"
#include "platform/program_texts.h"
#include "platform/scope_exit.h"
#include "preview/counter_font.h"
#include "preview/load_failure.h"

namespace morvane {

namespace {

constexpr wchar_t kFullWidthZero = L'\uFF10';

bool IsFullWidthDigit(wchar_t c) { return c >= kFullWidthZero && c <= kFullWidthZero + 9; }

bool IsIconFileName(const std::wstring& path) {
  std::wstring tail = path.substr(path.size() - std::min<std::size_t>(path.size(), 4));
  for (wchar_t& c : tail) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return tail == L".ico";
}

// The canvas keeps what is drawn until the scope ends, however it ends; it shows it then.
auto KeptDrawing(Canvas& canvas) {
  canvas.KeepDrawing(true);
  return ScopeExit([&canvas] { canvas.KeepDrawing(false); });
}

void EmptySourceFields(const Preview& preview) {
  preview.sourceField.SetText(L"");
  preview.folderLabel.SetCaption(L"");
}

// The list lets go of its pictures before they go.
void EmptyList(const Preview& preview) {
  preview.list.AttachPictures(false);
  preview.list.RemoveItems();
  preview.pictures.Forget();
}

// The count is the shell's, held below the top of an int; a file has never held more.
int IconCountOf(unsigned count) { return static_cast<int>(std::min<unsigned>(count, INT_MAX)); }

void ShowIcon(const Preview& preview, int number, int iconCount) {
  preview.canvas.ShowPicture(preview.pictures.PlaceOf(number));
  preview.counter.SetCaption(CounterText(number, iconCount));
}

}  // namespace

void ResetSourceDisplay(const Preview& preview) {
  EmptySourceFields(preview);
  {
    const auto drawing = KeptDrawing(preview.canvas);
    preview.canvas.ClearDrawing();
  }
  EmptyList(preview);
}

bool IsTypedDigit(wchar_t c) {
  return (c >= L'0' && c <= L'9') || IsFullWidthDigit(c);
}

std::optional<int> FindNumberedItem(int count, const std::wstring& typed, int start, bool wrap) {
  if (typed.empty() || count < 1) return std::nullopt;
  std::wstring number = typed;
  for (wchar_t& c : number) {
    if (IsFullWidthDigit(c)) c = static_cast<wchar_t>(L'0' + c - kFullWidthZero);
  }
  const auto begins = [&number](int item) { return std::to_wstring(item).rfind(number, 0) == 0; };
  const int from = std::clamp(start, 1, count + 1);
  for (int item = from; item <= count; ++item) {
    if (begins(item)) return item;
  }
  for (int item = 1; wrap && item < from; ++item) {
    if (begins(item)) return item;
  }
  return std::nullopt;
}

std::wstring CounterText(int number, int total) {
  return texts::kCounterPrefix + std::to_wstring(number) + L"/" + std::to_wstring(total);
}

std::optional<int> LoadIconList(const Preview& preview, LoadServices& services,
                                const std::wstring& givenPath) {
  if (IsIconFileName(givenPath)) {
    services.messages.Show(texts::kIconFileRefused);
    return std::nullopt;
  }
  const auto waiting = Waiting(services.cursor);

  // A short (8.3) path becomes its long form, or empty when it has none.
  std::wstring path = givenPath;
  if (path.find(L'~') != std::wstring::npos) path = services.paths.LongPathName(path).value_or(L"");

  EmptySourceFields(preview);
  const auto drawing = KeptDrawing(preview.canvas);  // until the load ends, however it ends
  preview.canvas.ClearDrawing();
  EmptyList(preview);
  // The icons may live in another file than the one named; the fields keep the named one. The
  // shell reads only a file whose offsets it can follow without leaving it.
  const IconSource source = OpenIconSource(services.sources, services.paths, path);
  const bool readable = !source.file || source.file->SafeForShell();
  const int count = readable ? IconCountOf(services.shell.CountIcons(source.path)) : 0;
  if (count < 1) {
    services.messages.Show(NoIconsMessage(givenPath, source.path, source.error, services.paths));
    return count;
  }

  preview.sourceField.SetText(NameOf(path));
  preview.folderLabel.SetCaption(FolderOf(path));
  FitCounterFont(preview.counter, CounterText(count, count));
  // The pictures are made as the list shows them: the load ends with the count.
  preview.pictures.UseFile({source.path, source.file ? source.file->Stamp() : FileStamp{}}, count);
  preview.list.AttachPictures(true);
  preview.list.ShowNumberedItems(count);
  preview.list.Select(1);
  if (const auto selected = preview.list.SelectedItem()) ShowIcon(preview, *selected, count);
  return count;
}

void ShowSelectedIcon(const Preview& preview, int iconCount) {
  const auto selected = preview.list.SelectedItem();
  if (!selected) return;
  {
    const auto drawing = KeptDrawing(preview.canvas);
    preview.canvas.ShowPicture(preview.pictures.PlaceOf(*selected));
  }
  preview.counter.SetCaption(CounterText(*selected, iconCount));
}

}  // namespace morvane
