// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The messages the Qt-free libraries word in Japanese, worded again by the
// window in the language chosen. In Japanese each is the library's own text,
// byte for byte; in another language it is built from the typed reason.

#include <QString>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "analysis/fft_captions.h"
#include "camera/camera_image.h"
#include "camera/light_tables_csv.h"
#include "dib/dib_refusal.h"
#include "psf/result_record.h"
#include "pupils/design_check.h"
#include "pupils/design_file.h"

namespace voka {

// Why a pupil image was refused, naming the file.
QString DibRefusalText(DibRefusal reason, const std::filesystem::path& file);

// That a file could not be written, naming it, why, and what to do.
QString WriteFailureText(const std::filesystem::path& file, const std::error_code& error);

// 「field」: reason, for a design value that cannot be drawn.
QString DesignProblemText(const pupils::DesignProblem& problem);

// The FFT picture's captions in the language chosen; the program's own
// Japanese when it is chosen.
SpectrumCaptions TranslatedSpectrumCaptions();

// What is wrong with a spectrum or response table, naming the line.
QString CsvProblemText(const camera::CsvProblem& problem);

// Why the camera image cannot be made, and what to change.
QString CameraRefusalText(camera::CameraRefusal refusal);

// The name of a star image's number ("Peak ratio (to a clear aperture)").
QString QuantityText(const psf::Quantity& quantity);

// " (空)" in the chosen language: what the name of a quantity on the sky
// ends with.
QString SkySuffixText();

// The unit written after a number ("arcsec", "µm/px"); empty for ratios and
// fractions.
QString UnitText(psf::QuantityUnit unit);

// Why a design file was refused, naming the file and, where one is at fault,
// the field.
QString DesignLoadText(const pupils::DesignLoad& load, const std::filesystem::path& file);

// A message the analyses tell (no pupil, no light, out of memory); null for
// any other text, which the caller words itself.
QString AnalysisMessageText(std::string_view message);

}  // namespace voka
