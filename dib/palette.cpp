#include "dib/palette.h"

namespace voka {

bool Palette::Create(const LogPalette& record) {
  if (!IsEmpty()) return false;
  if (record.version != LogPalette::kVersion || record.entryCount == 0 ||
      record.entryCount != record.entries.size()) {
    return false;
  }
  version_ = record.version;
  entries_ = record.entries;
  return true;
}

}  // namespace voka
