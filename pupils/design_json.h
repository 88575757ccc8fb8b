// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The design file: a small JSON text, version 1.
//
//   { "voka_pupil": 1, "aperture_mm": 200.0,
//     "obstruction": { "diameter_mm": 50.0, "offset_x_mm": 0.0, "offset_y_mm": 0.0 },
//     "vanes": [ { "shape": "straight", "angle_deg": 45.0, "width_mm": 1.0, "offset_mm": 0.0 },
//                { "shape": "curved", "angle_deg": 90.0, "width_mm": 1.0, "radius_mm": 80.0 } ] }
//
// "obstruction" may be left out, and so may the obstruction's offsets and a
// straight vane's offset (they then mean 0). Every other key is required, and
// no key beyond these is accepted: a misspelt key would otherwise be ignored
// silently and the user would analyse a pupil other than the one he wrote.
//
// Version 2 adds two optional keys for the optics:
//
//     "focal_mm": 1000.0,
//     "wavefront": { "zernike_nm_rms": { "4": 30.0, "9": -12.5 }, "defocus_mm": 0.2 }
//
// Zernike coefficients are RMS nanometres under Noll's indices "1" to "37";
// defocus_mm shifts the focal plane. A design without either is written as
// version 1.

#include <QByteArray>
#include <optional>

#include "pupils/design_check.h"
#include "pupils/pupil_design.h"

namespace voka::pupils {

inline constexpr int kDesignFileVersion = 1;
inline constexpr int kWavefrontFileVersion = 2;

QByteArray DesignToJson(const PupilDesign& design);

struct DesignParse {
  std::optional<PupilDesign> design;  // set only when the text is a valid design
  DesignProblem problem;              // why not, otherwise
};

// Reads and checks a design text: its syntax, keys, types and values.
DesignParse ParseDesignJson(const QByteArray& text);

}  // namespace voka::pupils
