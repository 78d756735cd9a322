#pragma once
// The messages of the icon list loader.
#include "platform/message_boxes.h"

namespace morvane::messages {

inline const Message kIconFileRefused{L"アイコンファイルは指定できません。", kFoolCaption};
inline const Message kNoIcons{L"アイコンがありません。", kFoolCaption};
// A load that failed midway, as for want of memory.
inline const Message kCannotLoad{L"アイコンを読み込めませんでした。", kSorryCaption};

}  // namespace morvane::messages
