#pragma once
// Every caption, message and word that Morvane shows, in one place, named by role.
#include <string>

#include "platform/message_boxes.h"
#include "platform/system_error.h"
#include "res/version_info.h"

namespace morvane::texts {

// The captions of message boxes: the user left something out or chose something unusable; the
// file or the system could not do what was asked; the low-level resource errors.
inline const std::wstring kFoolCaption = L"  バカ ？！・・・";
inline const std::wstring kSorryCaption = L"  ゴメン ？！・・・";
inline const std::wstring kTitle = MORVANE_TITLE_W;

// The controls of the window, and the Extract button while it works.
inline constexpr wchar_t kAllIcons[] = L"全アイコン";
inline constexpr wchar_t kExtract[] = L"抽出";
inline constexpr wchar_t kExtracting[] = L"抽出中";
inline constexpr wchar_t kBrowse[] = L"参照";
inline constexpr wchar_t kSourceLabel[] = L"抽出ファイル";
inline constexpr wchar_t kDestinationLabel[] = L"保存先フォルダ";
inline constexpr wchar_t kCounterBeforeLoad[] = L"Icon No．： 000/000";
inline constexpr wchar_t kCounterPrefix[] = L"Icon No．： ";
inline constexpr wchar_t kCounterFace[] = L"ＭＳ Ｐゴシック";
// The compact UI face of every Japanese Windows, for captions the message font cannot fit.
inline constexpr wchar_t kCompactUiFace[] = L"MS UI Gothic";

// The dialogs.
inline constexpr wchar_t kAllFilesFilter[] = L"すべてのファイル (*.*)";
inline constexpr wchar_t kFolderBrowserTitle[] = L"保存先フォルダの選択";
inline constexpr wchar_t kSavePngTitle[] = L"PNG で保存";
inline constexpr wchar_t kPngFilter[] = L"PNG 画像 (*.png)";

// The menu on an icon, and the tip's line for each image: "W × H、B ビット（PNG）".
inline constexpr wchar_t kCopyItem[] = L"コピー(&C)\tCtrl+C";
inline constexpr wchar_t kSavePngItem[] = L"PNG で保存(&P)";
inline constexpr wchar_t kBits[] = L" ビット";
inline constexpr wchar_t kStoredAsPng[] = L"（PNG）";

// The loader's messages. A load that finds no icons says why below its first line, after the
// path: one of these, or the system's own text.
inline const Message kIconFileRefused{L"アイコンファイルは指定できません。", kFoolCaption};
inline const Message kNoIcons{L"アイコンがありません。", kFoolCaption};
inline const std::wstring kFileMissing = L"ファイルが見つかりません。";
inline const std::wstring kPathIsAFolder = L"ファイルではなく、フォルダーです。";
inline const std::wstring kPathTooLong = L"パスが長すぎます。";
inline const std::wstring kNoShellIcons =
    L"シェルが表示できるアイコンがこのファイルにはありません。";
inline const Message kCannotLoad{L"アイコンを読み込めませんでした。", kSorryCaption};

// The Extract command's and the extraction's messages.
inline const Message kNameAFile{L"ファイルを指定してください。", kFoolCaption};
inline const Message kSelectAnIcon{L"アイコンを選択してください。", kFoolCaption};
inline const Message kLoadLibraryExError{L"LoadLibraryEx Error !!", kTitle};
inline const Message kLoadResourceError{L"LoadResource Error !!", kTitle};
inline const Message kLockResourceError{L"LockResource Error !!", kTitle};
inline const Message kSizeofResourceError{L"SizeofResource Error !!", kTitle};
inline const Message kCannotExtract{L"アイコンが抽出できません。", kSorryCaption};

// A file that cannot be written: this line, the file's path, and the reason.
inline const std::wstring kCannotWriteFile = L"ファイルを書き込めません。";
inline const std::wstring kFolderMissing = L"フォルダーが見つかりません。";
inline const std::wstring kNameIsAFolder = L"同じ名前のフォルダーがあります。";
inline const std::wstring kWriteDenied = L"書き込みが許可されていません。";
inline const std::wstring kDiskFull = L"ディスクの空き領域が足りません。";
// The system's own text for any other error, on one line, and its number.
inline std::wstring InSystemWords(const SystemError& error) {
  std::wstring text = error.text;
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
    text.pop_back();
  }
  return text + L"（エラー " + std::to_wstring(error.code) + L"）";
}

// An icon's image taken away.
inline const Message kCannotWritePng{L"PNG を書き込めません。", kSorryCaption};
inline const Message kCannotReadImage{L"この画像を読み取れません。", kSorryCaption};
inline const Message kCannotCopy{L"クリップボードにコピーできません。", kSorryCaption};

// The last word before the program ends on a failure nothing else can handle.
inline const std::wstring kNoWindow = L"ウィンドウを作成できません。";
inline const std::wstring kWindowWork = L"ウィンドウの処理";
inline const std::wstring kDragWork = L"ドラッグの処理";
inline const std::wstring kDropWork = L"ドロップの処理";
inline const std::wstring kWritingIcons = L"アイコンの書き出し";
inline const std::wstring kOutOfMemory = L"メモリが足りません";
inline const std::wstring kUnknownFailure = L"不明なエラー";
inline std::wstring EndsAfterFailure(const std::wstring& what, const std::wstring& failure) {
  return what + L"に失敗したため、Morvane を終了します。\n（" + failure + L"）";
}
inline std::wstring MissingSystemFunction(const std::wstring& dll, const std::wstring& function) {
  return L"システムの " + dll + L" に関数 " + function + L" が見つかりません。";
}

}  // namespace morvane::texts
