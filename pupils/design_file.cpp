// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/design_file.h"

#include <QByteArray>
#include <cerrno>
#include <fstream>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "output/shown_text.h"
#include "pupils/design_json.h"
#include "pupils/design_presets.h"

namespace voka::pupils {

namespace {

#ifdef _WIN32
std::optional<QByteArray> ReadWhole(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxDesignFileBytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  QByteArray bytes(static_cast<qsizetype>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  if (!in || in.gcount() != static_cast<std::streamsize>(size)) return std::nullopt;
  return bytes;
}
#else
// Opened without waiting, so that a FIFO put in the file's place cannot hang
// the program; what was opened is then checked to be a file of sane size.
std::optional<QByteArray> ReadWhole(const std::filesystem::path& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) return std::nullopt;
  struct stat status {};
  std::optional<QByteArray> bytes;
  if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size >= 0 &&
      static_cast<std::uintmax_t>(status.st_size) <= kMaxDesignFileBytes) {
    QByteArray read(static_cast<qsizetype>(status.st_size), '\0');
    qsizetype done = 0;
    while (done < read.size()) {
      const ssize_t got =
          ::read(descriptor, read.data() + done, static_cast<std::size_t>(read.size() - done));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      done += got;
    }
    if (done == read.size()) bytes = std::move(read);
  }
  ::close(descriptor);
  return bytes;
}
#endif

DesignLoad Loaded(PupilDesign design) {
  return {std::move(design), {}, DesignLoadRefusal::kNone, {}};
}

DesignLoad Refused(DesignLoadRefusal refusal, std::string message, DesignProblem problem = {}) {
  return {std::nullopt, std::move(message), refusal, std::move(problem)};
}

}  // namespace

std::string ShownFileName(const std::filesystem::path& file) {
  const std::u8string name = file.u8string();
  return EscapedForDisplay(
      std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
}

std::string DesignRefusalMessage(const std::filesystem::path& file, const DesignProblem& problem) {
  std::string message = "設計ファイル「" + ShownFileName(file) + "」";
  if (problem.field.empty()) return message + "は " + problem.reason;
  return message + "の「" + problem.field + "」: " + problem.reason;
}

DesignLoad LoadDesignFile(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error) &&
      std::filesystem::file_size(path, error) > kMaxDesignFileBytes)
    return Refused(DesignLoadRefusal::kTooLarge,
                   "設計ファイル「" + ShownFileName(path) +
                       "」は大きすぎます（1 MB まで）。瞳の設計ファイルを選んでください。");
  const std::optional<QByteArray> bytes = ReadWhole(path);
  if (!bytes)
    return Refused(DesignLoadRefusal::kCannotOpen,
                   "設計ファイル「" + ShownFileName(path) +
                       "」を開けません。ファイルがあること、読み取りが許可されていることを"
                       "確かめてください。");
  DesignParse parse = ParseDesignJson(*bytes);
  if (!parse.design)
    return Refused(DesignLoadRefusal::kBadContent, DesignRefusalMessage(path, parse.problem),
                   parse.problem);
  return Loaded(std::move(*parse.design));
}

DesignLoad LoadDesignOrPreset(const std::string& fileOrPreset) {
  if (fileOrPreset.starts_with(kPresetPrefix)) {
    const std::string name = fileOrPreset.substr(kPresetPrefix.size());
    if (auto design = PresetDesign(name)) return Loaded(std::move(*design));
    return Refused(
        DesignLoadRefusal::kUnknownPreset,
        "瞳の設計「" + EscapedForDisplay(name) + "」はありません。使える名前: " + PresetNameList());
  }
  return LoadDesignFile(
      std::filesystem::path(std::u8string(fileOrPreset.begin(), fileOrPreset.end())));
}

}  // namespace voka::pupils
