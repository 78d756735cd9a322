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
  FakeSourceFile(const FakeModuleContents& contents, bool readable, FileStamp stamp, int& live)
      : module_(contents), readable_(readable), stamp_(stamp), live_(live) {
    ++live_;
  }
  ~FakeSourceFile() override { --live_; }
  ResourceModule* Module() override { return &module_; }
  bool SafeForShell() const override { return readable_; }
  FileStamp Stamp() const override { return stamp_; }

 private:
  FakeResourceModule module_;
  bool readable_;
  FileStamp stamp_;
  int& live_;
};

}  // namespace

std::unique_ptr<SourceFile> FakeSourceFiles::Open(const std::wstring& path, SystemError& error) {
  opened.push_back(path);
  auto found = modules.find(path);
  if (found == modules.end()) {
    error = errors.count(path) ? errors[path] : SystemError{};
    return nullptr;
  }
  return std::make_unique<FakeSourceFile>(found->second, unreadable.count(path) == 0, stamps[path],
                                          live);
}

std::optional<SystemError> FakeOutputFiles::Write(const std::wstring& path,
                                                  const std::vector<ByteRange>& parts) {
  written.push_back(path);
  partsPerWrite.push_back(parts.size());
  if (journal) journal->push_back(L"Write " + path);
  if (path == failingPath) {
    files.erase(path);
    return failure;
  }
  Bytes& file = files[path];
  file.clear();
  for (const ByteRange& part : parts) file.insert(file.end(), part.data, part.data + part.size);
  return std::nullopt;
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
