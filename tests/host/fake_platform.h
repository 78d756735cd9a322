#pragma once
// The window's controls and the system's services as the host tests fake them: each keeps what
// it was last told, as the real one would show it, and writes what crosses it into a journal,
// for the few steps whose order matters.
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "app/value_controls.h"
#include "platform/program_texts.h"

namespace morvane::testing {

using Journal = std::vector<std::wstring>;

class RecordedTextBox final : public ValueTextBox {
 public:
  RecordedTextBox(std::wstring name, Journal& journal)
      : name_(std::move(name)), journal_(journal) {}
  void SetText(const std::wstring& value) override {
    journal_.push_back(name_ + L"=" + value);
    ValueTextBox::SetText(value);
  }
  void Focus() override { journal_.push_back(name_ + L".Focus"); }

 private:
  std::wstring name_;
  Journal& journal_;
};

class RecordedButton final : public ValueButton {
 public:
  RecordedButton(std::wstring name, Journal& journal, std::wstring initial)
      : ValueButton(std::move(initial)), name_(std::move(name)), journal_(journal) {}
  void SetCaption(const std::wstring& value) override {
    journal_.push_back(name_ + L"=" + value);
    ValueButton::SetCaption(value);
  }
  void SetEnabled(bool value) override {
    journal_.push_back(name_ + (value ? L".Enabled" : L".Disabled"));
    ValueButton::SetEnabled(value);
  }

 private:
  std::wstring name_;
  Journal& journal_;
};

// A counter whose characters ink half their font's height in width each, and its digits "8" a
// whole height: the widest digit decides what fits.
class FakeCounter final : public ValueCounter {
 public:
  FakeCounter() : ValueCounter(texts::kCounterBeforeLoad) {}
  PixelSize Room() const override { return room; }
  int DesignedFontHeight() const override { return 13; }
  PixelSize InkOf(const std::wstring& text, int height) override {
    int width = 0;
    for (wchar_t c : text) width += c == L'8' ? height : height / 2;
    return {width, height};
  }
  PixelSize room{1000, 13};
};

// The list as the hidden window keeps it, and the resets a test may ask about in the journal.
class FakeList final : public ValueList {
 public:
  explicit FakeList(Journal& journal) : journal_(journal) {}
  void AttachPictures(bool on) override {
    attached = on;
    journal_.push_back(on ? L"Icons=ImageList1" : L"Icons=none");
  }
  void RemoveItems() override {
    ValueList::RemoveItems();
    journal_.push_back(L"ListItems.Clear");
  }

  bool attached = false;

 private:
  Journal& journal_;
};

// Picture lists and canvases that know each picture as "<file>#<icon>", "" for the bare canvas.
class FakePictures final : public PictureList, public Canvas {
 public:
  void DrawIcons(const std::wstring& file, int firstIcon, int count, int first) override {
    ++batches;
    for (int i = 0; i < count; ++i) {
      at[first + i] = file.empty() ? L"" : file + L"#" + std::to_wstring(firstIcon + i);
    }
  }
  void KeepDrawing(bool on) override { keeping = on; }
  void ClearDrawing() override { canvas.clear(); }
  void ShowPicture(int place) override { canvas = at[place]; }

  std::map<int, std::wstring> at;  // by place
  int batches = 0;
  std::wstring canvas;  // what the canvas shows
  bool keeping = false;
};

class FakeMessageBoxes final : public MessageBoxes {
 public:
  using MessageBoxes::Show;
  void Show(const std::wstring& text, const std::wstring& caption) override {
    shown.push_back({text, caption});
    if (journal) journal->push_back(L"Message " + text);
  }
  std::vector<Message> shown;
  Journal* journal = nullptr;  // where each message is also written down, if anywhere
};

// A module's resources as the fake hands them out.
struct FakeModuleContents {
  std::vector<std::pair<ResourceName, ResourceData>> groups;  // in enumeration order
  std::map<std::uint16_t, ResourceData> icons;

  void AddGroup(ResourceName name, Bytes directory) {
    groups.push_back({std::move(name), {ResourceStatus::Ok, std::move(directory)}});
  }
  void AddIcon(std::uint16_t id, Bytes image) {
    icons[id] = {ResourceStatus::Ok, std::move(image)};
  }
};

// Files that can be opened: the modules, by path; any other path is a file that cannot be,
// with the error `errors` holds for it, else none, as for an empty file.
class FakeSourceFiles final : public SourceFiles {
 public:
  using SourceFiles::Open;
  std::unique_ptr<SourceFile> Open(const std::wstring& path, SystemError& error) override;

  std::map<std::wstring, FakeModuleContents> modules;  // by path
  std::map<std::wstring, SystemError> errors;          // by path
  std::set<std::wstring> unreadable;  // modules whose offsets would lead the shell out of them
  std::map<std::wstring, FileStamp> stamps;  // how each stands now
  std::vector<std::wstring> opened;
  int live = 0;  // files opened and not yet released
};

class FakeOutputFiles final : public OutputFiles {
 public:
  std::optional<SystemError> Write(const std::wstring& path,
                                   const std::vector<ByteRange>& parts) override;

  std::map<std::wstring, Bytes> files;
  std::vector<std::wstring> written;  // in the order of the writes
  std::vector<std::size_t> partsPerWrite;
  std::wstring failingPath;  // a write to this path fails with `failure` and leaves nothing
  SystemError failure{5, L"Access denied.\r\n"};
  Journal* journal = nullptr;
};

class FakeShellIcons final : public ShellIcons {
 public:
  unsigned CountIcons(const std::wstring& path) override {
    counted.push_back(path);
    if (failingPath && path == *failingPath) throw std::runtime_error("the shell failed");
    auto found = counts.find(path);
    return found == counts.end() ? 0 : found->second;
  }
  std::map<std::wstring, unsigned> counts;
  std::vector<std::wstring> counted;
  std::optional<std::wstring> failingPath;  // counting this one raises a failure
};

class FakePathNames final : public PathNames {
 public:
  std::optional<std::wstring> LongPathName(const std::wstring& path) override {
    asked.push_back(path);
    auto found = longNames.find(path);
    if (found == longNames.end()) return std::nullopt;
    return found->second;
  }
  std::wstring WindowsFolder() override { return windowsFolder; }
  bool SystemFolderRedirected() override { return wow64; }
  bool FileExists(const std::wstring& path) override { return existing.count(path) > 0; }
  bool FolderExists(const std::wstring& path) override { return folders.count(path) > 0; }
  // Against the folder the program was started in.
  std::wstring FullPath(const std::wstring& path) override {
    return IsFullPath(path) ? path : currentFolder + path;
  }

  std::map<std::wstring, std::wstring> longNames;
  std::vector<std::wstring> asked;
  std::set<std::wstring> existing;  // the files FileExists finds
  std::set<std::wstring> folders;   // the folders FolderExists finds
  std::wstring currentFolder = L"C:\\Start\\";
  std::wstring windowsFolder = L"C:\\Windows\\";
  bool wow64 = false;  // a 32-bit program on 64-bit Windows
};

class FakeProcess final : public Process, public MessagePump {
 public:
  explicit FakeProcess(Journal& journal) : journal_(journal) {}
  std::wstring ProgramFolder() override { return programFolder; }
  std::wstring CommandLine() override { return L"Morvane.exe " + arguments; }
  void DoEvents() override { journal_.push_back(L"DoEvents"); }
  // Runs what the user does meanwhile, if anything, and answers as the real one would.
  Interruption AnswerWhileBusy() override {
    ++answers;
    if (!meanwhile) return Interruption::None;
    return std::exchange(meanwhile, nullptr)();
  }
  void DropWaitingInput() override { ++inputDrops; }
  // Each look at the clock finds it `tick` seconds later.
  double Seconds() override { return now += tick; }
  void EndProgram(int exitCode) override { ended = exitCode; }

  std::wstring programFolder = L"C:\\Tools\\";
  std::wstring arguments;  // what the command line holds after the program's name
  double now = 0, tick = 0;
  std::function<Interruption()> meanwhile;  // done at the next answer, once
  int answers = 0, inputDrops = 0;
  std::optional<int> ended;  // the exit code the program ended with

 private:
  Journal& journal_;
};

class FakeFileDialog final : public FileDialog {
 public:
  std::optional<std::wstring> ShowOpen(const std::wstring& fileName) override {
    opened.push_back(fileName);
    return chosen;
  }
  std::optional<std::wstring> ShowSave(const SaveRequest& request) override {
    saveRequests.push_back(request);
    return chosen;
  }
  std::optional<std::wstring> chosen;  // nothing: the user cancels
  std::vector<std::wstring> opened;    // the name each opening showed
  std::vector<SaveRequest> saveRequests;
};

class FakeFolderBrowser final : public FolderBrowser {
 public:
  std::optional<std::wstring> Browse(const std::wstring& title,
                                     const std::wstring& startFolder) override {
    asked.push_back(title + L" " + startFolder);
    return chosen;
  }
  std::optional<std::wstring> chosen;
  std::vector<std::wstring> asked;
};

class FakeWaitCursor final : public WaitCursor {
 public:
  void SetWaiting(bool waiting) override { states.push_back(waiting); }
  std::vector<bool> states;  // each change, in order
};

// A codec that writes "PNG" and the pixels, and reads that back: enough to tell what went in.
class FakePngCodec final : public PngCodec {
 public:
  std::optional<Bytes> Encode(const BgraImage& image) override;
  std::optional<BgraImage> Decode(const Bytes& png) override;
  bool missing = false;  // as a system without the codec
};

class FakeClipboard final : public Clipboard {
 public:
  bool PutImage(const Bytes& v5, const Bytes& plain, const Bytes& file) override {
    dibV5 = v5;
    dib = plain;
    png = file;
    return true;
  }
  Bytes dibV5, dib, png;
};

// The window's controls and the services, wired together as the composition root does.
struct FakeForm {
  FakeForm() { messages.journal = files.journal = &journal; }
  FakeForm(const FakeForm&) = delete;
  FakeForm& operator=(const FakeForm&) = delete;

  Journal journal;
  RecordedTextBox destinationField{L"Text1(0)", journal};
  RecordedTextBox sourceField{L"Text1(1)", journal};
  RecordedButton destinationBrowse{L"Command1(0)", journal, texts::kBrowse};
  RecordedButton sourceBrowse{L"Command1(1)", journal, texts::kBrowse};
  RecordedButton extractButton{L"cmdMake", journal, texts::kExtract};
  ValueCheckBox allIcons;
  ValueLabel folderLabel;
  FakeCounter counter;
  FakeList list{journal};
  FakePictures pictures;

  FakeMessageBoxes messages;
  FakeSourceFiles sources;
  FakeOutputFiles files;
  FakeShellIcons shell;
  FakePathNames paths;
  FakeProcess process{journal};
  FakeFileDialog fileDialog;
  FakeFolderBrowser folderBrowser;
  FakeWaitCursor cursor;
  FakePngCodec png;
  FakeClipboard clipboard;

  Form form{destinationField, sourceField, destinationBrowse, sourceBrowse, extractButton,
            allIcons,         folderLabel, counter,           list,         pictures,
            pictures};
  Services services{messages, sources,    files,         shell,  paths, process,
                    process,  fileDialog, folderBrowser, cursor, png,   clipboard};
  MainWindow window{form, services};

  // What the list shows of item n: its text and its picture.
  std::wstring Shown(int n) {
    return std::to_wstring(n) + L" " + pictures.at[window.ListView1_PictureOf(n)];
  }
  bool ButtonsEnabled() const {
    return extractButton.enabled && destinationBrowse.enabled && sourceBrowse.enabled;
  }
};

}  // namespace morvane::testing
