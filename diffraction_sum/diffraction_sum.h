// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "simd/instruction_set.h"

namespace voka {

// How a long computation shows how far it has come: a position from 0 to 100.
using ProgressFn = std::function<void(int position)>;

// The pupil is sampled on 128 x 128 points, one per thumbnail pixel; the star
// image is computed on 64 x 64 points around the focus.
inline constexpr int kPupilSamples = 128;
inline constexpr int kImagePoints = 64;

// Sample indices of the optical axis: pupil sample 64 has x = 0, image point
// 32 has u = 0.
inline constexpr int kPupilCentre = kPupilSamples / 2;
inline constexpr int kImageCentre = kImagePoints / 2;

// Geometry of the direct diffraction sum, all lengths in one common unit:
// pupil samples 1.0 apart, the image plane 600.0 behind the pupil, image
// points 0.0005 apart, light of wavelength 0.00055.
inline constexpr double kPupilStep = 1.0;
inline constexpr double kImagePlaneDistance = 600.0;
inline constexpr double kImageStep = 0.0005;
inline constexpr double kWavelength = 0.00055;

// The phase uses this nine-digit value of pi, not the full one. Results depend
// on it in their last digits, so it must not be swapped for a finer constant.
inline constexpr double kRayTracePi = 3.14159265;

// Wave amplitude of each pupil sample, 0 (blocked) to 1 (open): the red
// component of the thumbnail pixel divided by 255. Indexed [k][l]: k the
// pupil column (x), l the pupil row (y). 128 KiB: better on the heap.
struct PupilAmplitudes {
  double a[kPupilSamples][kPupilSamples];
};

// Complex amplitude summed at each image point. Indexed [i][j]: i the image
// column (u), j the image row (v).
struct ImageField {
  double real[kImagePoints][kImagePoints];
  double imag[kImagePoints][kImagePoints];
};

// Sums at every image point (u, v) the waves of all pupil samples (x, y):
// path length L = sqrt(R*R - (x*u + y*v)*2 + u*u + v*v), phase the fractional
// part of L / wavelength times 2 pi, real += cos(phase) * a and
// imag += sin(phase) * a, pupil column by pupil column (k outer, l inner).
// Sine and cosine come from SinCosLanes (sincos.h), within 4e-16 of the
// library's.
// The field is cleared first. The work is spread over all processors, each
// image point keeping that order of additions.
// `progress` (may be empty) is told trunc(k / 127 * 100) once per pupil column
// k, on the calling thread, before column k is added (while column k - 1 is
// still being added), so a progress bar moves while the sum runs. If it
// throws, the sum stops, its threads end and the exception is passed on; the
// field is then incomplete.
void DiffractionSum(const PupilAmplitudes& pupil, ImageField& field, const ProgressFn& progress);

// DiffractionSum with the lanes of the given instruction set; every set gives
// the same bits. A set the processor (or this engine) lacks falls back to the
// scalar lanes.
void DiffractionSumOn(simd::InstructionSet set, const PupilAmplitudes& pupil, ImageField& field,
                      const ProgressFn& progress);

}  // namespace voka
