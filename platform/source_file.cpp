#include "platform/source_file.h"

#include "formats/module_file.h"

namespace morvane {

namespace {

class ContentsSourceFile final : public SourceFile {
 public:
  ContentsSourceFile(std::unique_ptr<FileContents> file, std::vector<std::uint16_t> languages)
      : file_(std::move(file)), languages_(std::move(languages)) {}

  ResourceModule* Module() override {
    if (opened_) return module_.get();
    opened_ = true;
    std::uint64_t header = 0;
    const ModuleKind kind = KindOfModule(file_->bytes(), header);
    if (kind == ModuleKind::Pe) module_ = OpenPeModule(*file_, header, languages_);
    if (kind == ModuleKind::Ne) module_ = OpenNeModule(*file_, header);
    return module_.get();
  }

  bool SafeForShell() const override {
    return morvane::ShellReaderStaysInFile(file_->bytes().data(), file_->bytes().size());
  }

  FileStamp Stamp() const override { return file_->stamp(); }

 private:
  std::unique_ptr<FileContents> file_;
  std::vector<std::uint16_t> languages_;
  bool opened_ = false;
  std::unique_ptr<ResourceModule> module_;  // goes before the file it reads
};

}  // namespace

std::unique_ptr<SourceFile> MakeSourceFile(std::unique_ptr<FileContents> file,
                                           std::vector<std::uint16_t> languages) {
  return std::make_unique<ContentsSourceFile>(std::move(file), std::move(languages));
}

}  // namespace morvane
