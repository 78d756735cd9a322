#pragma once
// A platform that records what it is asked and answers from a script.
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/form_controls.h"
#include "platform/platform.h"
#include "tests/host/recorded_controls.h"

namespace morvane::testing {

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

// Files that can be opened: the modules, by path; any other path is a file that cannot be.
class FakeSourceFiles final : public SourceFiles {
 public:
  std::unique_ptr<SourceFile> Open(const std::wstring& path) override;

  std::map<std::wstring, FakeModuleContents> modules;  // by path
  std::set<std::wstring> unreadable;  // modules whose offsets would lead the shell out of them
  std::vector<std::wstring> opened;
  int live = 0;  // files opened and not yet released
};

class FakeOutputFiles final : public OutputFiles {
 public:
  std::optional<WriteError> Write(const std::wstring& path,
                                  const std::vector<ByteRange>& parts) override;

  std::map<std::wstring, Bytes> files;
  std::vector<std::wstring> written;  // in the order of the writes
  std::vector<std::size_t> partsPerWrite;
  std::wstring failingPath;  // a write to this path fails with `failure` and leaves nothing
  WriteError failure{5, L"Access denied.\r\n"};
};

// The list, image list and canvas in one, writing every operation into the journal. Picture n
// of a file is written "<path>#<n - 1>": the shell's icon n - 1 of the file.
class FakePreview final : public IconListView, public PreviewImageList, public PreviewCanvas {
 public:
  explicit FakePreview(Journal& journal) : journal_(journal) {}

  void SetImagesAttached(bool attached) override;
  void RemoveAllItems() override;
  void SetNumberedItems(int count) override;
  void SelectItem(int position) override;
  std::optional<int> SelectedIndex() const override { return selected; }
  void RemoveAll() override;
  void SetIconFile(const ShellIconFile& file, int count) override;
  void SetAutoRedraw(bool on) override;
  void Clear() override;
  void ShowImage(int number) override;

  // What the user sees of item n: its text and its picture; "" for a picture the list has none
  // for.
  std::wstring ItemText(int n) const { return std::to_wstring(n); }
  std::wstring Picture(int n) const;

  int items = 0;
  std::optional<int> selected;
  bool attached = false;
  std::wstring iconFile;  // whose icons the pictures are; "" when none
  int pictures = 0;
  std::wstring canvas;  // what the canvas shows: "" when clear

 private:
  Journal& journal_;
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
  std::wstring WindowsFolder() override { return L"C:\\Windows\\"; }
  bool FileExists(const std::wstring& path) override { return existing.count(path) > 0; }
  bool FolderExists(const std::wstring& path) override { return folders.count(path) > 0; }
  // Against the folder the program was started in.
  std::wstring FullPath(const std::wstring& path) override { return currentFolder + path; }

  std::map<std::wstring, std::wstring> longNames;
  std::vector<std::wstring> asked;
  std::set<std::wstring> existing;  // the files FileExists finds
  std::set<std::wstring> folders;   // the folders FolderExists finds
  std::wstring currentFolder = L"C:\\Start\\";
};

class FakeProcess final : public Process {
 public:
  explicit FakeProcess(Journal& journal) : journal_(journal) {}
  std::wstring ProgramFolder() override { return programFolder; }
  std::wstring CommandLine() override { return L"Morvane.exe " + arguments; }
  void DoEvents() override { journal_.push_back(L"DoEvents"); }
  // Runs what the user does meanwhile, if anything, and answers as the real one would.
  Interruption AnswerWhileBusy() override {
    journal_.push_back(L"AnswerWhileBusy");
    if (!meanwhile) return Interruption::None;
    return std::exchange(meanwhile, nullptr)();
  }
  void DropWaitingInput() override { journal_.push_back(L"DropWaitingInput"); }
  // Each look at the clock finds it `tick` seconds later.
  double Seconds() override { return now += tick; }
  void EndProgram(int exitCode) override {
    journal_.push_back(L"EndProgram " + std::to_wstring(exitCode));
  }

  std::wstring programFolder = L"C:\\Tools\\";
  std::wstring arguments;  // what the command line holds after the program's name
  double now = 0, tick = 0;
  std::function<Interruption()> meanwhile;  // done at the next answer, once

 private:
  Journal& journal_;
};

class FakeFileDialog final : public FileDialog {
 public:
  explicit FakeFileDialog(Journal& journal) : journal_(journal) {}
  std::optional<std::wstring> ShowOpen(const std::wstring& fileName) override {
    journal_.push_back(L"ShowOpen " + fileName);
    return chosen;
  }
  std::optional<std::wstring> ShowSave(const SaveRequest& request) override {
    saveRequests.push_back(request);
    return chosen;
  }
  std::optional<std::wstring> chosen;  // nothing: the user cancels
  std::vector<SaveRequest> saveRequests;

 private:
  Journal& journal_;
};

class FakeFolderBrowser final : public FolderBrowser {
 public:
  explicit FakeFolderBrowser(Journal& journal) : journal_(journal) {}
  std::optional<std::wstring> Browse(const std::wstring& title,
                                     const std::wstring& startFolder) override {
    journal_.push_back(L"Browse " + title + L" " + startFolder);
    return chosen;
  }
  std::optional<std::wstring> chosen;

 private:
  Journal& journal_;
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
  bool PutImage(const Bytes& dib, const Bytes& file) override {
    dibV5 = dib;
    png = file;
    return true;
  }
  Bytes dibV5, png;
};

// The window's controls and the services, wired together.
struct FakeForm {
  Journal journal;
  RecordedTextBox destinationField{L"Text1(0)", journal};
  RecordedTextBox sourceField{L"Text1(1)", journal};
  RecordedButton destinationBrowse{L"Command1(0)", journal, L"参照"};
  RecordedButton sourceBrowse{L"Command1(1)", journal, L"参照"};
  RecordedButton extractButton{L"cmdMake", journal, L"抽出"};
  ValueCheckBox allIcons;
  RecordedLabel folderLabel{L"Label2(1)", journal};
  RecordedLabel counterLabel{L"Label3", journal};
  FakePreview preview{journal};
  FormControls controls = ControlsOf(*this);

  FakeMessageBoxes messages;
  FakeSourceFiles sources;
  FakeOutputFiles files;
  FakeShellIcons shellIcons;
  FakePathNames paths;
  FakeProcess process{journal};
  FakeFileDialog fileDialog{journal};
  FakeFolderBrowser folderBrowser{journal};
  FakeWaitCursor cursor;
  FakePngCodec png;
  FakeClipboard clipboard;
  Platform platform{messages,   sources,       files,  shellIcons, paths,    process,
                    fileDialog, folderBrowser, cursor, png,        clipboard};
};

}  // namespace morvane::testing
