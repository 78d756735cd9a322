#include "platform/source_file.h"

#include "formats/module_file.h"

namespace morvane {

namespace {

class ContentsSourceFile final : public SourceFile {
 public:
  ContentsSourceFile(std::wstring path, std::unique_ptr<FileContents> file, PeModuleOpener openPe)
      : path_(std::move(path)), file_(std::move(file)), openPe_(std::move(openPe)) {}

  ResourceModule* Module() override {
    if (opened_) return module_.get();
    opened_ = true;
    std::uint64_t header = 0;
    const ModuleKind kind = KindOfModule(file_->bytes(), header);
    if (kind == ModuleKind::Pe) module_ = openPe_(path_, *file_);
    if (kind == ModuleKind::Ne) module_ = OpenNeModule(*file_, header);
    return module_.get();
  }

  bool SafeForShell() const override {
    return morvane::ShellReaderStaysInFile(file_->bytes().data(), file_->bytes().size());
  }

  FileStamp Stamp() const override { return file_->stamp(); }

 private:
  std::wstring path_;
  std::unique_ptr<FileContents> file_;
  PeModuleOpener openPe_;
  bool opened_ = false;
  std::unique_ptr<ResourceModule> module_;  // goes before the file it reads
};

}  // namespace

std::unique_ptr<SourceFile> MakeSourceFile(std::wstring path, std::unique_ptr<FileContents> file,
                                           PeModuleOpener openPe) {
  return std::make_unique<ContentsSourceFile>(std::move(path), std::move(file), std::move(openPe));
}

}  // namespace morvane
