#pragma once
// The messages of the icon list loader.
#include "platform/message_boxes.h"

namespace morvane::messages {

inline const Message kIconFileRefused{L"アイコンファイルは指定できません。", kFoolCaption};
inline const Message kNoIcons{L"アイコンがありません。", kFoolCaption};

}  // namespace morvane::messages
