// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "app/star_image/curve_chart.h"
#include "app/star_image/psf_view.h"
#include "app/star_image/star_image_job.h"

namespace voka {

// The zoomed view in log scale, decades below the star image's peak.
PsfPicture MakePsfPicture(const StarImageComputation& computation, int decades);

// The encircled energy against radius in λ/D, with the clear aperture's
// 1 − J0²(x) − J1²(x) as the reference.
std::vector<NamedCurve> EncircledEnergyCurves(const psf::PsfNumbers& numbers);

// The MTF against frequency as a fraction of the cut-off D/λ.
std::vector<NamedCurve> MtfChartCurves(const psf::MtfCurves& mtf, bool vaneDirectionsKnown);

// The MTF chart's title with the cut-off D/λ in line pairs per millimetre at
// the focus and in cycles per arcsecond.
QString MtfTitle(const psf::ImageScale& scale, const psf::PsfSettings& settings);

// One line of the numbers table: what, and its value with its unit.
struct NumberRow {
  QString quantity;
  QString value;
};
std::vector<NumberRow> NumberRows(const StarImageComputation& computation);

}  // namespace voka
