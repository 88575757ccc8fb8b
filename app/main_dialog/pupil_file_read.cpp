// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_dialog/pupil_file_read.h"

#include <algorithm>

#include "dib/dib_draw.h"
#include "dib/dib_read.h"

namespace voka {

namespace {

// Reads in pieces this large, so that an 8192-pixel bitmap (192 MiB) moves
// the bar about fifty times and a cancel waits for one piece at most.
constexpr std::size_t kPieceBytes = std::size_t{4} << 20;

// A file that reports how much of it has been read and reads nothing more
// once the flag is raised: the reader then refuses it as cut short, and the
// caller, which knows why, drops the refusal.
class WatchedFile final : public DibFile {
 public:
  WatchedFile(DibFile& file, const CancelFlag& cancel, const ProgressSink& progress)
      : file_(file), cancel_(cancel), progress_(progress) {}

  std::uint64_t Length() const override { return file_.Length(); }

  std::size_t Read(std::uint8_t* buffer, std::size_t count) override {
    std::size_t total = 0;
    while (total < count && !cancel_.IsRaised()) {
      const std::size_t wanted = std::min(kPieceBytes, count - total);
      const std::size_t got = file_.Read(buffer + total, wanted);
      total += got;
      read_ += got;
      Report();
      if (got < wanted) break;
    }
    return total;
  }

 private:
  void Report() {
    const std::uint64_t length = std::max<std::uint64_t>(file_.Length(), 1);
    progress_(static_cast<int>(std::min<std::uint64_t>(read_, length) * 100 / length));
  }

  DibFile& file_;
  const CancelFlag& cancel_;
  const ProgressSink& progress_;
  std::uint64_t read_ = 0;
};

}  // namespace

PupilFileRead ReadPupilFile(const std::filesystem::path& path, const CancelFlag& cancel,
                            const ProgressSink& progress) {
  DibDiskFile disk(path);
  if (!disk.IsOpen()) return {DibHandle(), DibRefusal::kCannotOpen};
  WatchedFile file(disk, cancel, progress);
  PupilFileRead read;
  read.dib = DibRead(file, &read.refusal);
  if (cancel.IsRaised()) return {};
  if (read.dib && !DibCanPaint(read.dib)) return {DibHandle(), DibRefusal::kUnsupportedForm};
  return read;
}

}  // namespace voka
