#pragma once
// What an extraction run says when it cannot go on.
#include "extract/outcome.h"
#include "res/version_info.h"

namespace morvane::extraction_messages {

inline const wchar_t kSorryCaption[] = L"  ゴメン ？！・・・";
inline const wchar_t kFoolCaption[] = L"  バカ ？！・・・";

inline Failure LoadLibraryExError() { return {L"LoadLibraryEx Error !!", MORVANE_TITLE_W}; }
inline Failure LoadResourceError() { return {L"LoadResource Error !!", MORVANE_TITLE_W}; }
inline Failure LockResourceError() { return {L"LockResource Error !!", MORVANE_TITLE_W}; }
inline Failure SizeofResourceError() { return {L"SizeofResource Error !!", MORVANE_TITLE_W}; }
inline Failure CannotExtract() { return {L"アイコンが抽出できません。", kSorryCaption}; }
inline Failure CannotWriteFile() { return {L"ファイルを書き込めません。", kFoolCaption}; }

}  // namespace morvane::extraction_messages
