// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fitsio.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace voka::psf {

// A whole FITS file made in memory: one image of float64 values whose axes
// run NAXIS1 fastest, and the keywords that `keywords` writes (it receives
// cfitsio's file and status). Empty, with `error` set (Japanese), when
// cfitsio fails; std::bad_alloc when memory runs out.
std::string FitsImageBytes(std::span<const long> axes, const std::vector<double>& values,
                           const std::function<void(fitsfile*, int*)>& keywords,
                           std::string& error);

// CREATOR: the program and its version, as every file it writes names them.
void WriteCreator(fitsfile* file, int* status);

// A linear world coordinate system (Greisen & Calabretta 2002, A&A 395,
// 1061): offsets from the star in arcseconds, x to the right and y up, so
// that a viewer's axes read as the window's. The star's pixel is counted as
// FITS counts, from 1 at the centre of the first stored (bottom-left) pixel.
void WriteOffsetCoordinates(fitsfile* file, double starPixelX, double starPixelY,
                            double pixelArcsec, int* status);

}  // namespace voka::psf
