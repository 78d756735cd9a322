#pragma once
// The main window's logic (app/): its handlers and procedures, and the one number it keeps. It
// reaches Windows only through the interfaces of platform/; app/win32/ wires it to the real ones.
#include <optional>
#include <string>
#include <vector>

#include "app/drag_and_drop.h"
#include "extract/icon_file_writer.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/message_pump.h"
#include "platform/png_codec.h"
#include "platform/process.h"
#include "platform/shell_icons.h"
#include "platform/wait_cursor.h"
#include "preview/icon_list.h"

namespace morvane {

// The window's controls that carry the program's state. Index 0 of a pair in the names of old
// belongs to the destination folder, index 1 to the source file.
struct Form {
  TextBox& destinationField;  // Text1(0)
  TextBox& sourceField;       // Text1(1): the source file's bare name
  Button& destinationBrowse;  // Command1(0)
  Button& sourceBrowse;       // Command1(1)
  Button& extractButton;      // cmdMake
  CheckBox& allIcons;         // Check1
  Label& folderLabel;         // Label2(1), never shown: the source file's folder, ending in "\"
  CounterLabel& counter;      // Label3
  IconListView& list;         // ListView1
  PictureList& pictures;      // ImageList1, of PictureCache::kPlaces pictures
  Canvas& canvas;             // Picture1
};

// The system's services that the window's logic uses.
struct Services {
  MessageBoxes& messages;
  SourceFiles& sources;
  OutputFiles& files;
  ShellIcons& shell;
  PathNames& paths;
  Process& process;
  MessagePump& pump;
  FileDialog& fileDialog;
  FolderBrowser& folderBrowser;
  WaitCursor& cursor;
  PngCodec& png;
  Clipboard& clipboard;
};

class MainWindow {
 public:
  MainWindow(const Form& form, const Services& services)
      : form_(form), services_(services), pictures_(form.pictures, services.sources) {}

  // Runs once, before the window is shown: with a file on the command line, writes all its
  // icons into the program's folder and ends the program, with exit code 0 when every one was
  // written and 1 when a message was shown.
  void Form_Load();
  // Any request to close the window ends the program: at once, or during an extraction between
  // two files, with exit code 1.
  void Form_QueryUnload();
  // Gives what became of the extraction.
  RunOutcome cmdMake_Click();
  // The browse buttons: index 0 chooses the destination folder, any other the source file.
  void Command1_Click(int index);

  // While the window is busy, drags are refused and drops ignored.
  DropEffect ListView1_OLEDragOver(const DragState& drag);
  void ListView1_OLEDragDrop(const std::vector<std::wstring>& files);
  // Index 1 is the source field; index 0, the destination field, takes no drop and leaves
  // the effect as proposed (nothing).
  std::optional<DropEffect> Text1_OLEDragOver(int index, const DragState& drag);
  void Text1_OLEDragDrop(int index, const std::vector<std::wstring>& files);

  // Every way of naming a source file ends here: the loader, with the window's icon count.
  void LoadSource(const std::wstring& path);
  void ListView1_Click();
  // The list's selection moved, by mouse or keyboard. Loads move it too, and are not clicks.
  void ListView1_SelectionChanged();
  // The list shows item `number`: the place of its picture, made now if need be.
  int ListView1_PictureOf(int number) { return pictures_.PlaceOf(number); }

  // The tip over item `number`: a line per image of its group, largest first; empty where the
  // module has no usable group for it.
  std::wstring ListView1_TipText(int number);
  // The tip over the source field (index 1): the whole path the list came from, as the user
  // gave it; none over the destination field, or before a load.
  std::wstring Text1_TipText(int index) const { return index == 1 ? SourcePath() : L""; }
  // The menu on the selected icon: the lines of its images, largest first, none where its
  // group is not usable. Nothing, and no menu, while busy or without a selected item.
  std::optional<std::vector<std::wstring>> ListView1_MenuLines();
  // コピー(&C), and Ctrl+C in the list: the selected icon's largest image onto the clipboard.
  void mnuCopy_Click();
  // PNG で保存(&P): image `line` of the menu's lines, saved as a PNG file where the user
  // chooses.
  void mnuSavePng_Click(int line);

  // The window moved to a monitor of another scale, and its controls and pictures with it: the
  // counter's font is fitted again and the pictures are made anew as they are shown.
  void Form_DpiChanged();

  int iconCount() const { return iconCount_; }

 private:
  Preview PreviewControls() {
    return {form_.sourceField, form_.folderLabel, form_.counter,
            form_.list,        pictures_,         form_.canvas};
  }
  LoadServices ForLoading() {
    return {services_.messages, services_.sources, services_.paths, services_.shell,
            services_.cursor};
  }
  WriteServices ForWriting() {
    return {services_.messages, services_.sources, services_.paths, services_.files};
  }
  RunFiles FilesOfRun() const;
  std::wstring SourcePath() const;

  Form form_;
  Services services_;
  PictureCache pictures_;
  int iconCount_ = 0;
  bool loading_ = false;
  bool busy_ = false;        // the buttons are disabled for a command under way
  bool extracting_ = false;  // an extraction runs, which a close request ends between two files
  bool closeRequested_ = false;
  std::wstring fileDialogName_;  // the open-file dialog's name, remembered between uses
};

}  // namespace morvane
