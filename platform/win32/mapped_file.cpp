#include "platform/win32/mapped_file.h"

namespace morvane::win32 {

std::optional<ReadOnlyFile> ReadOnlyFile::Open(const std::wstring& path) {
  unique_hfile file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr)};
  BY_HANDLE_FILE_INFORMATION information{};
  if (!file || !GetFileInformationByHandle(file.get(), &information)) return std::nullopt;
  const FILETIME written = information.ftLastWriteTime;
  const FileStamp stamp{
      static_cast<std::uint64_t>(information.nFileSizeHigh) << 32 | information.nFileSizeLow,
      static_cast<std::uint64_t>(written.dwHighDateTime) << 32 | written.dwLowDateTime};
  return ReadOnlyFile(std::move(file), stamp);
}

std::optional<Bytes> ReadOnlyFile::Copy(std::uint64_t offset, std::uint64_t length) const {
  if (offset > stamp_.size || length > stamp_.size - offset || length > MAXDWORD) {
    return std::nullopt;
  }
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(offset);
  Bytes copy(static_cast<std::size_t>(length));
  DWORD read = 0;
  if (!SetFilePointerEx(file_.get(), at, nullptr, FILE_BEGIN) ||
      !ReadFile(file_.get(), copy.data(), static_cast<DWORD>(length), &read, nullptr) ||
      read != length) {
    return std::nullopt;
  }
  return copy;
}

std::optional<FileView> FileView::Map(const ReadOnlyFile& file) {
  const std::uint64_t size = file.stamp().size;
  if (size == 0 || size > SIZE_MAX) return std::nullopt;
  unique_handle mapping{CreateFileMappingW(file.handle(), nullptr, PAGE_READONLY, 0, 0, nullptr)};
  if (!mapping) return std::nullopt;
  unique_view view{MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0)};
  if (!view) return std::nullopt;
  const FileBytes bytes(static_cast<const std::uint8_t*>(view.get()),
                        static_cast<std::size_t>(size));
  return FileView(std::move(mapping), std::move(view), bytes);
}

std::unique_ptr<MappedFile> MappedFile::Open(const std::wstring& path) {
  auto file = ReadOnlyFile::Open(path);
  if (!file) return nullptr;
  auto view = FileView::Map(*file);
  if (!view) return nullptr;
  return std::unique_ptr<MappedFile>(new MappedFile(std::move(*file), std::move(*view)));
}

}  // namespace morvane::win32
