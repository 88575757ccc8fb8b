// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "camera/camera_image.h"

namespace voka::camera {

// How the sub-sample grid is laid on a grid of frequencies symmetric about
// the zero frequency, side G: frequency index g (0 .. G-1) lies at
// (g − (G−1)/2 + tilt) sub-samples from the star, in both axes (rows
// downward). Mirror pairs g, G−1−g share a cosine and differ in the sign of
// the sine, so the products need only the first ⌈G/2⌉ of each. A star offset
// by a fraction of a sub-sample from that lattice becomes a tilt of the
// pupil field (the shift theorem). The sensor grid is the window starting
// at (firstRow, firstColumn).
struct MirrorGrid {
  int fineSide = 0;  // the sensor's sub-samples a side
  int side = 0;      // G
  int half = 0;      // ⌈G/2⌉
  int firstRow = 0;
  int firstColumn = 0;
  double tiltRowSubsamples = 0.0;
  double tiltColumnSubsamples = 0.0;

  bool Tilted() const { return tiltRowSubsamples != 0.0 || tiltColumnSubsamples != 0.0; }
  bool operator==(const MirrorGrid&) const = default;
};

MirrorGrid MirrorGridFor(const CameraSettings& settings, int subsamples);

// The white-light camera image, keeping what a caller that renders again
// and again (a view following the designer) would otherwise rebuild: each
// wavelength's Fourier kernel, valid while the pupil's side, the grid and
// the wavelengths stay, and every work buffer. Each wavelength's field is
// two real matrix products on the mirror-symmetric grid: a real pupil's
// image is symmetric through the centre, so its first product is one real
// product with the cosines and sines and the second gives two intensities
// per quadrant value; a complex pupil (a phase or a tilt) is folded about
// its centre into quarters, so that its products cost about the same. The thread budget's workers
// take alternate wavelengths, each with buffers of its own and single-threaded products. One
// renderer serves one computation at a time.
class CameraRenderer {
 public:
  CameraOutcome Render(const psf::PupilField& pupil, const CameraSettings& settings,
                       const psf::PsfProgress& progress = {});

 private:
  struct KernelKey {
    int pupilSide = 0;
    MirrorGrid grid;
    std::vector<double> stepsLambdaOverD;  // a sub-sample in each wavelength's λ/D
    bool operator==(const KernelKey&) const = default;
  };

  // One worker's buffers, kept from render to render.
  struct WorkArea {
    std::vector<float> field;      // two rows of a complex pupil field: real, imaginary
    std::vector<float> folded;     // its quarters folded about the centre
    std::vector<float> partial;    // the first product
    std::vector<float> mirrored;   // a complex field's partials side by side
    std::vector<float> product;    // the second product
    std::vector<float> quadrants;  // four half x half intensities
    std::vector<float> intensity;  // one wavelength's on the sensor grid
    std::vector<float> planes;     // its wavelengths' sum, channels x fineSide²
  };

  void PrepareKernels(const KernelKey& key);
  void PrepareWorkAreas(int workers, int pupilSide);
  // The wavelength's kernel, made when first needed; only the worker that
  // owns the wavelength asks for it.
  const float* KernelFor(std::size_t wavelength);
  // |E|² of one wavelength on the sensor grid, into work.intensity.
  void FieldIntensity(WorkArea& work, std::size_t wavelength, const psf::PupilField& pupil,
                      double wavelengthNm);
  void RealProducts(WorkArea& work, const float* kernel) const;
  // The complex field's path, for every wavelength: `subsampleLambdaNmOverD`
  // is a sub-sample's step in λ/D times λ in nm, the same at all wavelengths.
  void PreparePath(const psf::PupilField& pupil, double subsampleLambdaNmOverD);
  void FoldedField(WorkArea& work, double wavelengthNm) const;
  void ComplexProducts(WorkArea& work, const float* kernel, double wavelengthNm) const;
  void GatherWindow(const float* quadrants[2][2], float* intensity) const;

  KernelKey key_;
  // Per wavelength, pupilSide x 2·half: the cosines, then the sines.
  std::vector<std::vector<float>> kernels_;
  std::vector<float> amplitude_;  // the pupil's, pupilSide²
  std::vector<double> pathNm_;    // a complex field's optical path, pupilSide²
  std::vector<WorkArea> workAreas_;
  std::vector<float> channelWeights_;  // channels x wavelengths
};

}  // namespace voka::camera
