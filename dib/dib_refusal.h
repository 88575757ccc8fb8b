// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace voka {

// Why a pupil image was not taken. DibRead gives every reason but
// kUnsupportedForm, which the caller reports when DibCanPaint refuses a block
// that was read.
enum class DibRefusal {
  kNone,             // read and accepted
  kCannotOpen,       // missing, unreadable, a folder, held by another program
  kTooShort,         // fewer than the 14 bytes of the file header
  kNotBitmap,        // does not begin with "BM"
  kTruncated,        // ends before its header, colour table, pixel rows or stream do
  kDamagedRle,       // a run-length stream whose runs or moves leave the image
  kDamagedHeader,    // sizes or counts that no bitmap can have
  kTooLarge,         // longer than any pupil image, or no memory for it
  kUnsupportedForm,  // read, but in a form the painter cannot draw
};

// A message for the user, in Japanese, UTF-8: what went wrong with the named
// file and what to do about it. Empty for kNone.
std::string DibRefusalMessage(DibRefusal reason, const std::filesystem::path& file);

}  // namespace voka
