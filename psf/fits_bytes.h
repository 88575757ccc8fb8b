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

}  // namespace voka::psf
