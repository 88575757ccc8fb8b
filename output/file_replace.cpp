#include "output/file_replace.h"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace voka {

namespace {

std::error_code LastErrno() {
  const int code = errno;
  return std::error_code(code != 0 ? code : EIO, std::generic_category());
}

// Binary mode: the bytes are written as given, line ends included.
std::FILE* OpenForWriting(const std::filesystem::path& path) {
#ifdef _WIN32
  return _wfopen(path.c_str(), L"wb");
#else
  return std::fopen(path.c_str(), "wb");
#endif
}

// Pushes the file's data to the disk, so that the rename cannot publish a
// file whose contents a power cut would lose.
bool SyncToDisk(std::FILE* file) {
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return ::fsync(fileno(file)) == 0;
#endif
}

// Sets `opened` once the file exists as ours, so that only then is it removed
// on failure: whatever already stood under that name is not ours to delete.
std::error_code WriteWhole(const std::filesystem::path& path, std::string_view bytes,
                           bool& opened) {
  errno = 0;
  std::FILE* file = OpenForWriting(path);
  if (file == nullptr) return LastErrno();
  opened = true;
  std::error_code error;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0 ||
      !SyncToDisk(file)) {
    error = LastErrno();
  }
  errno = 0;
  // Closing writes what is still buffered, so its failure counts too.
  if (std::fclose(file) != 0 && !error) error = LastErrno();
  return error;
}

// Unlike the standard rename, this replaces an existing target on Windows too.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
  if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return {};
  }
  return std::error_code(static_cast<int>(::GetLastError()), std::system_category());
#else
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return error;
#endif
}

}  // namespace

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target) {
  std::filesystem::path temporary = target;
  temporary += ".partial";
  return temporary;
}

std::error_code ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes) {
  const std::filesystem::path temporary = TemporaryPathFor(target);
  bool opened = false;
  std::error_code error = WriteWhole(temporary, bytes, opened);
  if (!error) error = RenameOver(temporary, target);
  if (error && opened) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
  }
  return error;
}

}  // namespace voka
