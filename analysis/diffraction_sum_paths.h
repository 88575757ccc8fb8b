#pragma once

// The instruction-set paths of the diffraction sum, each selectable so that
// tests can hold every path available on the machine against the others.

#include <span>

#include "analysis/diffraction_sum.h"

// x86 processors with SSE2 (every x86-64) get vector paths; others the
// portable scalar path only.
#if (defined(__x86_64__) || defined(__i386__)) && defined(__SSE2__) && defined(__GNUC__)
#define VOKA_X86_VECTOR_PATHS 1
#else
#define VOKA_X86_VECTOR_PATHS 0
#endif

namespace voka {

enum class SumPath {
  kScalar,  // one double at a time, any processor
  kSse2,    // two lanes, any x86-64 processor
  kAvx2,    // four lanes, chosen at run time where the processor has AVX2
};

bool SumPathAvailable(SumPath path);

// The widest path this processor runs.
SumPath FastestSumPath();

// DiffractionSum on the given path; a path the processor lacks falls back to
// the scalar one.
void DiffractionSumOn(SumPath path, const PupilAmplitudes& pupil, ImageField& field,
                      const ProgressFn& progress);

// The sine and cosine of each angle as the given path computes them (with the
// same fallback), for as many angles as the shortest of the spans holds.
void SinCosOn(SumPath path, std::span<const double> angles, std::span<double> sines,
              std::span<double> cosines);

namespace detail {

// Adds the waves of pupil column k to image column i; one per path.
using AddPupilColumnFn = void (*)(const PupilAmplitudes& pupil, int k, int i, ImageField& field);
// Sine and cosine of `count` angles, `count` a multiple of the path's lane width.
using SinCosSpanFn = void (*)(const double* angles, double* sines, double* cosines, int count);

void AddPupilColumnScalar(const PupilAmplitudes& pupil, int k, int i, ImageField& field);
void SinCosSpanScalar(const double* angles, double* sines, double* cosines, int count);

// The available path's function, or the scalar one.
AddPupilColumnFn AddPupilColumnOn(SumPath path);
#if VOKA_X86_VECTOR_PATHS
void AddPupilColumnSse2(const PupilAmplitudes& pupil, int k, int i, ImageField& field);
void SinCosSpanSse2(const double* angles, double* sines, double* cosines, int count);
void AddPupilColumnAvx2(const PupilAmplitudes& pupil, int k, int i, ImageField& field);
void SinCosSpanAvx2(const double* angles, double* sines, double* cosines, int count);
#endif

}  // namespace detail
}  // namespace voka
