#pragma once
// A data object as a drag source offers it: a shell file list, or plain text.
#include <windows.h>
#include <objidl.h>
#include <wrl/client.h>

#include <string>
#include <vector>

namespace morvane::testing {

Microsoft::WRL::ComPtr<IDataObject> FileListData(const std::vector<std::wstring>& paths);
Microsoft::WRL::ComPtr<IDataObject> TextData(const std::wstring& text);

}  // namespace morvane::testing
