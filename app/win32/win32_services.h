#pragma once
// The system's services over Win32, gathered for the window logic.
#include <windows.h>

#include "app/main_window.h"
#include "app/win32/win32_message_pump.h"
#include "platform/win32/wic_png_codec.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_output_files.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_source_files.h"
#include "platform/win32/win32_wait_cursor.h"

namespace morvane::win32 {

struct Win32Services {
  Win32Services() = default;
  Win32Services(const Win32Services&) = delete;
  Win32Services& operator=(const Win32Services&) = delete;

  // Message boxes, dialogs, the wait cursor and the clipboard belong to this window; without
  // one they have no owner.
  void SetOwner(HWND owner) {
    messages.SetOwner(owner);
    fileDialog.SetOwner(owner);
    folderBrowser.SetOwner(owner);
    cursor.SetOwner(owner);
    pump.SetOwner(owner);
    clipboard.SetOwner(owner);
  }

  Services ForLogic() {
    return {messages, sources,    files,         shell,  paths, process,
            pump,     fileDialog, folderBrowser, cursor, png,   clipboard};
  }

  Win32MessageBoxes messages;
  Win32SourceFiles sources;
  Win32OutputFiles files;
  Win32ShellIcons shell;
  Win32PathNames paths;
  Win32Process process;
  Win32MessagePump pump;
  Win32FileDialog fileDialog;
  Win32FolderBrowser folderBrowser;
  Win32WaitCursor cursor;
  WicPngCodec png;
  Win32Clipboard clipboard;
};

}  // namespace morvane::win32
