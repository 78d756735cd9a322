#pragma once
// Every message the program shows, with its caption.
#include "platform/message_boxes.h"
#include "res/version_info.h"

namespace morvane::messages {

// The user left something out or chose something unusable.
inline const std::wstring kFoolCaption = L"  バカ ？！・・・";
// The source module has no usable icon group.
inline const std::wstring kSorryCaption = L"  ゴメン ？！・・・";

inline const Message kLoadLibraryExError{L"LoadLibraryEx Error !!", MORVANE_TITLE_W};
inline const Message kLoadResourceError{L"LoadResource Error !!", MORVANE_TITLE_W};
inline const Message kLockResourceError{L"LockResource Error !!", MORVANE_TITLE_W};
inline const Message kSizeofResourceError{L"SizeofResource Error !!", MORVANE_TITLE_W};
inline const Message kCannotExtract{L"アイコンが抽出できません。", kSorryCaption};
inline const Message kCannotWriteFile{L"ファイルを書き込めません。", kFoolCaption};

inline const Message kNameAFile{L"ファイルを指定してください。", kFoolCaption};
inline const Message kSelectAnIcon{L"アイコンを選択してください。", kFoolCaption};

inline const Message kIconFileRefused{L"アイコンファイルは指定できません。", kFoolCaption};
inline const Message kNoIcons{L"アイコンがありません。", kFoolCaption};

}  // namespace morvane::messages
