#include "tests/host/fake_platform.h"

namespace morvane::testing {

namespace {

class FakeResourceModule final : public ResourceModule {
 public:
  explicit FakeResourceModule(const FakeModuleContents& contents) : contents_(contents) {}

  std::vector<ResourceName> IconGroupNames() override {
    std::vector<ResourceName> names;
    for (const auto& group : contents_.groups) names.push_back(group.first);
    return names;
  }
  ResourceData ReadIconGroup(const ResourceName& name) override {
    for (const auto& group : contents_.groups) {
      if (group.first == name) return group.second;
    }
    return {};
  }
  ResourceData ReadIcon(std::uint16_t id, std::uint32_t) override {
    auto found = contents_.icons.find(id);
    return found == contents_.icons.end() ? ResourceData{} : found->second;
  }

 private:
  const FakeModuleContents& contents_;
};

class FakeSourceFile final : public SourceFile {
 public:
  FakeSourceFile(const FakeModuleContents& contents, bool readable, int& live)
      : module_(contents), readable_(readable), live_(live) {
    ++live_;
  }
  ~FakeSourceFile() override { --live_; }
  ResourceModule* Module() override { return &module_; }
  bool ShellReaderStaysInFile() const override { return readable_; }
  FileStamp Stamp() const override { return {}; }

 private:
  FakeResourceModule module_;
  bool readable_;
  int& live_;
};

}  // namespace

std::unique_ptr<SourceFile> FakeSourceFiles::Open(const std::wstring& path) {
  opened.push_back(path);
  auto found = modules.find(path);
  if (found == modules.end()) return nullptr;
  return std::make_unique<FakeSourceFile>(found->second, unreadable.count(path) == 0, live);
}

std::optional<WriteError> FakeOutputFiles::Write(const std::wstring& path,
                                                 const std::vector<ByteRange>& parts) {
  written.push_back(path);
  partsPerWrite.push_back(parts.size());
  if (path == failingPath) {
    files.erase(path);
    return failure;
  }
  Bytes& file = files[path];
  file.clear();
  for (const ByteRange& part : parts) file.insert(file.end(), part.data, part.data + part.size);
  return std::nullopt;
}

void FakePreview::SetImagesAttached(bool on) {
  attached = on;
  journal_.push_back(on ? L"Icons=ImageList1" : L"Icons=none");
}

void FakePreview::RemoveAllItems() {
  items = 0;
  selected.reset();
  journal_.push_back(L"ListItems.Clear");
}

void FakePreview::SetNumberedItems(int count) {
  items = count;
  selected.reset();
  journal_.push_back(L"ListItems " + std::to_wstring(count));
}

void FakePreview::SelectItem(int position) {
  if (position >= 1 && position <= items) selected = position;
  journal_.push_back(L"Select " + std::to_wstring(position));
}

void FakePreview::RemoveAll() {
  iconFile.clear();
  pictures = 0;
  journal_.push_back(L"ListImages.Clear");
}

void FakePreview::SetIconFile(const ShellIconFile& file, int count) {
  iconFile = file.path;
  pictures = count;
  journal_.push_back(L"ListImages " + file.path + L" " + std::to_wstring(count));
}

std::wstring FakePreview::Picture(int n) const {
  if (!attached || n < 1 || n > pictures) return L"";
  return iconFile + L"#" + std::to_wstring(n - 1);
}

void FakePreview::SetAutoRedraw(bool on) {
  journal_.push_back(on ? L"AutoRedraw=on" : L"AutoRedraw=off");
}

void FakePreview::Clear() {
  canvas.clear();
  journal_.push_back(L"Picture=empty");
}

void FakePreview::ShowImage(int number) {
  canvas = number >= 1 && number <= pictures ? iconFile + L"#" + std::to_wstring(number - 1) : L"";
  journal_.push_back(L"Picture=image " + std::to_wstring(number));
}

std::optional<Bytes> FakePngCodec::Encode(const BgraImage& image) {
  if (missing) return std::nullopt;
  Bytes png{'P', 'N', 'G', static_cast<std::uint8_t>(image.width),
            static_cast<std::uint8_t>(image.height)};
  png.insert(png.end(), image.pixels.begin(), image.pixels.end());
  return png;
}

std::optional<BgraImage> FakePngCodec::Decode(const Bytes& png) {
  if (missing) return std::nullopt;
  const bool own = png.size() >= 5 && png[0] == 'P' && png[1] == 'N' && png[2] == 'G';
  if (!own) return BgraImage{1, 1, {1, 2, 3, 4}};  // any other PNG: one pixel
  return BgraImage{png[3], png[4], Bytes(png.begin() + 5, png.end())};
}

}  // namespace morvane::testing
