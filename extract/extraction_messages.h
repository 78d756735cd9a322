#pragma once
// The messages of the Extract command and of the extraction run behind it.
#include "platform/message_boxes.h"
#include "res/version_info.h"

namespace morvane::messages {

// The low-level resource errors carry the program's title.
inline const Message kLoadLibraryExError{L"LoadLibraryEx Error !!", MORVANE_TITLE_W};
inline const Message kLoadResourceError{L"LoadResource Error !!", MORVANE_TITLE_W};
inline const Message kLockResourceError{L"LockResource Error !!", MORVANE_TITLE_W};
inline const Message kSizeofResourceError{L"SizeofResource Error !!", MORVANE_TITLE_W};
inline const Message kCannotExtract{L"アイコンが抽出できません。", kSorryCaption};
inline const Message kCannotWriteFile{L"ファイルを書き込めません。", kFoolCaption};

// An image of a group taken away: as a PNG file, or onto the clipboard.
inline const Message kCannotWritePng{L"PNG を書き込めません。", kSorryCaption};
inline const Message kCannotReadImage{L"この画像を読み取れません。", kSorryCaption};
inline const Message kCannotCopy{L"クリップボードにコピーできません。", kSorryCaption};

inline const Message kNameAFile{L"ファイルを指定してください。", kFoolCaption};
inline const Message kSelectAnIcon{L"アイコンを選択してください。", kFoolCaption};

}  // namespace morvane::messages
