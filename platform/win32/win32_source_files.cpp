#include "platform/win32/win32_source_files.h"

#include "formats/module_file.h"
#include "platform/win32/mapped_file.h"
#include "platform/win32/win32_resource_modules.h"

namespace morvane::win32 {

namespace {

class Win32SourceFile final : public SourceFile {
 public:
  Win32SourceFile(std::wstring path, std::unique_ptr<MappedFile> file)
      : path_(std::move(path)), file_(std::move(file)) {}

  ResourceModule* Module() override {
    if (opened_) return module_.get();
    opened_ = true;
    std::uint64_t header = 0;
    const ModuleKind kind = KindOfModule(file_->bytes(), header);
    if (kind == ModuleKind::Pe) module_ = OpenPeModule(path_, *file_);
    if (kind == ModuleKind::Ne) module_ = OpenNeModule(*file_, header);
    return module_.get();
  }

  bool ShellReaderStaysInFile() const override {
    return morvane::ShellReaderStaysInFile(file_->bytes().data(), file_->bytes().size());
  }

  FileStamp Stamp() const override { return file_->stamp(); }

 private:
  std::wstring path_;
  std::unique_ptr<MappedFile> file_;
  bool opened_ = false;
  std::unique_ptr<ResourceModule> module_;  // goes before the file it reads
};

}  // namespace

std::unique_ptr<SourceFile> Win32SourceFiles::Open(const std::wstring& path) {
  auto file = MappedFile::Open(path);
  if (!file) return nullptr;
  return std::make_unique<Win32SourceFile>(path, std::move(file));
}

}  // namespace morvane::win32
