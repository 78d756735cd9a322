#pragma once
// The preview: the source file's icons as a numbered list, the canvas and the counter.
#include <string>

#include "platform/form_controls.h"
#include "platform/platform.h"

namespace morvane {

// Refuses icon files; otherwise splits the path into the folder label and the source field,
// sets `iconCount` and fills the list with one numbered item per icon, whose pictures the list
// asks for as it shows them.
void LoadIconList(const FormControls& form, Platform& platform, int& iconCount,
                  const std::wstring& path);

// Shows the selected item's icon on the canvas and its number in the counter;
// does nothing when no item is selected.
void ListView1_Click(const FormControls& form, int iconCount);

// Empties the source field, the folder label and the preview; the icon count and the
// counter stay as they are.
void ResetSourceDisplay(const FormControls& form);

// Empties the list and its image list, letting the list go of the images first.
void EmptyPreviewList(const FormControls& form);

// "Icon No．： " followed by the number, "/" and the total, without padding.
std::wstring CounterText(int number, int total);

}  // namespace morvane
