#pragma once
// The services of the system that the window logic uses, gathered in one place.
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/message_boxes.h"
#include "platform/output_files.h"
#include "platform/path_names.h"
#include "platform/png_codec.h"
#include "platform/process.h"
#include "platform/source_files.h"
#include "platform/shell_icons.h"
#include "platform/wait_cursor.h"

namespace morvane {

struct Platform {
  MessageBoxes& messages;
  SourceFiles& sources;
  OutputFiles& files;
  ShellIcons& shellIcons;
  PathNames& paths;
  Process& process;
  FileDialog& fileDialog;
  FolderBrowser& folderBrowser;
  WaitCursor& cursor;
  PngCodec& png;
  Clipboard& clipboard;
};

}  // namespace morvane
