#include "platform/win32/mapped_file.h"

namespace morvane::win32 {

namespace {

FileStamp StampOf(DWORD sizeHigh, DWORD sizeLow, FILETIME written) {
  return {static_cast<std::uint64_t>(sizeHigh) << 32 | sizeLow,
          static_cast<std::uint64_t>(written.dwHighDateTime) << 32 | written.dwLowDateTime};
}

}  // namespace

MappedFile::MappedFile(unique_hfile file, unique_handle mapping, unique_view view, FileBytes bytes,
                       FileStamp stamp)
    : file_(std::move(file)),
      mapping_(std::move(mapping)),
      view_(std::move(view)),
      bytes_(bytes),
      stamp_(stamp) {}

std::unique_ptr<MappedFile> MappedFile::Open(const std::wstring& path) {
  unique_hfile file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr)};
  BY_HANDLE_FILE_INFORMATION information{};
  if (!file || !GetFileInformationByHandle(file.get(), &information)) return nullptr;
  const FileStamp stamp =
      StampOf(information.nFileSizeHigh, information.nFileSizeLow, information.ftLastWriteTime);
  if (stamp.size == 0 || stamp.size > SIZE_MAX) return nullptr;
  unique_handle mapping{CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr)};
  if (!mapping) return nullptr;
  unique_view view{MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0)};
  if (!view) return nullptr;
  const FileBytes bytes(static_cast<const std::uint8_t*>(view.get()),
                        static_cast<std::size_t>(stamp.size));
  return std::unique_ptr<MappedFile>(
      new MappedFile(std::move(file), std::move(mapping), std::move(view), bytes, stamp));
}

std::optional<Bytes> MappedFile::Copy(std::uint64_t offset, std::uint64_t length) const {
  if (!bytes_.Has(offset, length) || length > MAXDWORD) return std::nullopt;
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

std::optional<FileStamp> CurrentStamp(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes)) return std::nullopt;
  return StampOf(attributes.nFileSizeHigh, attributes.nFileSizeLow, attributes.ftLastWriteTime);
}

}  // namespace morvane::win32
