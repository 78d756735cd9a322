#pragma once
// The preview: the source file's icons as a numbered list, the canvas and the counter.
#include <optional>
#include <string>

#include "platform/controls.h"
#include "platform/message_boxes.h"
#include "platform/path_names.h"
#include "platform/preview_controls.h"
#include "platform/shell_icons.h"
#include "platform/source_files.h"
#include "platform/wait_cursor.h"
#include "preview/picture_cache.h"

namespace morvane {

// What the preview is shown in.
struct Preview {
  TextBox& sourceField;    // Text1(1): the source file's bare name
  Label& folderLabel;      // Label2(1), never shown: the source file's folder, ending in "\"
  CounterLabel& counter;   // Label3
  IconListView& list;      // ListView1
  PictureCache& pictures;  // ImageList1
  Canvas& canvas;          // Picture1
};

struct LoadServices {
  MessageBoxes& messages;
  SourceFiles& sources;
  PathNames& paths;
  ShellIcons& shell;
  WaitCursor& cursor;
};

// Refuses icon files, and gives nothing; otherwise splits the path into the folder label and
// the source field, fills the list with one numbered item per icon, whose pictures the list asks
// for as it shows them, and gives the number of icons.
std::optional<int> LoadIconList(const Preview& preview, LoadServices& services,
                                const std::wstring& path);

// Shows the selected item's icon on the canvas and its number in the counter; does nothing
// when no item is selected.
void ShowSelectedIcon(const Preview& preview, int iconCount);

// Empties the source field, the folder label and the preview; the icon count and the
// counter stay as they are.
void ResetSourceDisplay(const Preview& preview);

// Whether a character typed in the list is a digit: "0" to "9", or their full-width forms,
// which the Japanese IME types.
bool IsTypedDigit(wchar_t c);

// The search of a list that the user types a number into: the first item, counted from 1, from
// item `start` on up to `count`, and then from item 1 on where `wrap`, whose number begins with
// `typed`, its full-width digits read as digits; nothing when none does.
std::optional<int> FindNumberedItem(int count, const std::wstring& typed, int start, bool wrap);

// "Icon No．： " followed by the number, "/" and the total, without padding.
std::wstring CounterText(int number, int total);

}  // namespace morvane
