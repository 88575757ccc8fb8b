// SPDX-License-Identifier: GPL-3.0-or-later
#include "diffraction_sum/diffraction_sum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "diffraction_sum/field_modulus.h"
#include "reference/plain_diffraction_sum.h"
#include "support/sanitizer.h"

namespace voka {
namespace {

using Pupil = std::unique_ptr<PupilAmplitudes>;
using Field = std::unique_ptr<ImageField>;

constexpr double kTolerance = 1e-12;  // relative to the largest modulus

// Under the sanitizers the sum runs some fifteen times slower, so tests that
// check bookkeeping rather than optics thin their pupils out to a fifth: the
// same code runs, on fewer nonzero terms.
using test::kSanitized;

Pupil ThinnedWhenSanitized(Pupil pupil) {
  if (kSanitized) {
    for (int k = 0; k < kPupilSamples; ++k) {
      for (int l = 0; l < kPupilSamples; ++l) {
        if ((k + 2 * l) % 5 != 0) pupil->a[k][l] = 0.0;
      }
    }
  }
  return pupil;
}

Pupil BlankPupil() {
  return std::make_unique<PupilAmplitudes>();
}

// Samples whose centre lies within `outer` of the aperture's centre (63.5,
// 63.5) and outside `inner`, without the vanes of half width `halfVane` on the
// two axes through the centre.
Pupil AperturePupil(double outer, double inner, double halfVane) {
  Pupil pupil = BlankPupil();
  for (int k = 0; k < kPupilSamples; ++k) {
    for (int l = 0; l < kPupilSamples; ++l) {
      const double x = k - 63.5;
      const double y = l - 63.5;
      const double radius = std::hypot(x, y);
      const bool vane = std::abs(x) < halfVane || std::abs(y) < halfVane;
      pupil->a[k][l] = (radius <= outer && radius >= inner && !vane) ? 1.0 : 0.0;
    }
  }
  return pupil;
}

Pupil ClearPupil() {
  return AperturePupil(64.0, 0.0, 0.0);
}
Pupil VanedPupil() {
  return AperturePupil(64.0, 20.0, 1.0);
}

// Grey levels as a thumbnail gives them, about a third of them black.
Pupil RandomPupil() {
  Pupil pupil = BlankPupil();
  std::mt19937 generator(20240611);
  std::uniform_int_distribution<int> level(-120, 255);
  for (auto& column : pupil->a) {
    for (double& amplitude : column) {
      amplitude = std::max(level(generator), 0) / 255.0;
    }
  }
  return pupil;
}

Pupil SingleSamplePupil() {
  Pupil pupil = BlankPupil();
  pupil->a[100][17] = 200 / 255.0;
  return pupil;
}

// A few samples, on the corners and edges too.
Pupil ScatteredPupil() {
  Pupil pupil = BlankPupil();
  pupil->a[0][0] = 1.0;
  pupil->a[127][127] = 1 / 255.0;
  pupil->a[64][64] = 128 / 255.0;
  pupil->a[3][120] = 77 / 255.0;
  pupil->a[127][0] = 254 / 255.0;
  return pupil;
}

std::vector<std::pair<std::string, Pupil>> SamplePupils() {
  std::vector<std::pair<std::string, Pupil>> pupils;
  pupils.emplace_back("clear", ThinnedWhenSanitized(ClearPupil()));
  pupils.emplace_back("vaned", ThinnedWhenSanitized(VanedPupil()));
  pupils.emplace_back("random", ThinnedWhenSanitized(RandomPupil()));
  pupils.emplace_back("single sample", SingleSamplePupil());
  pupils.emplace_back("scattered samples", ScatteredPupil());
  return pupils;
}

bool IsSparse(const PupilAmplitudes& pupil) {
  int nonzero = 0;
  for (const auto& column : pupil.a) {
    nonzero += static_cast<int>(std::count_if(std::begin(column), std::end(column),
                                              [](double amplitude) { return amplitude != 0.0; }));
  }
  return nonzero < 100;
}

using simd::InstructionSet;

std::vector<InstructionSet> AvailablePaths() {
  std::vector<InstructionSet> paths;
  for (const InstructionSet path :
       {InstructionSet::kScalar, InstructionSet::kVector2, InstructionSet::kAvx2}) {
    if (simd::Supports(path)) {
      paths.push_back(path);
    }
  }
  return paths;
}

// Image points where tests that cannot afford the plain loop on the whole
// grid compare: the centre, the corners, the edges' middles and random points.
std::vector<std::pair<int, int>> CheckedPoints() {
  std::vector<std::pair<int, int>> points = {{32, 32}, {0, 0},  {0, 63},  {63, 0},  {63, 63},
                                             {32, 0},  {0, 32}, {63, 32}, {32, 63}, {33, 31}};
  std::mt19937 generator(7);
  std::uniform_int_distribution<int> index(0, kImagePoints - 1);
  while (points.size() < 24) {
    points.emplace_back(index(generator), index(generator));
  }
  return points;
}

Field SumOn(InstructionSet path, const PupilAmplitudes& pupil) {
  Field field = std::make_unique<ImageField>();
  DiffractionSumOn(path, pupil, *field, {});
  return field;
}

double MaximumModulus(const ImageField& field) {
  double modulus[kImagePoints][kImagePoints];
  return ModulusAndMaximum(field, modulus);
}

TEST(DiffractionSum, MatchesThePlainLoopOnTheWholeGrid) {
  if (kSanitized) {
    GTEST_SKIP() << "the plain loop over the whole grid takes minutes under the sanitizers";
  }
  const Pupil pupil = VanedPupil();
  auto plain = std::make_unique<ImageField>();
  reference::PlainDiffractionSum(*pupil, *plain);
  auto fast = std::make_unique<ImageField>();
  // Whatever the field held before must not count.
  for (auto* grid : {&fast->real, &fast->imag}) {
    for (auto& column : *grid) {
      std::fill(std::begin(column), std::end(column), std::numeric_limits<double>::quiet_NaN());
    }
  }
  DiffractionSum(*pupil, *fast, {});

  const double limit = kTolerance * MaximumModulus(*plain);
  ASSERT_GT(limit, 0.0);
  for (int i = 0; i < kImagePoints; ++i) {
    for (int j = 0; j < kImagePoints; ++j) {
      ASSERT_NEAR(fast->real[i][j], plain->real[i][j], limit) << "i=" << i << " j=" << j;
      ASSERT_NEAR(fast->imag[i][j], plain->imag[i][j], limit) << "i=" << i << " j=" << j;
    }
  }
}

// Sparse pupils go through every path, full ones through the fastest; the
// paths' agreement on full pupils is checked bit for bit below.
TEST(DiffractionSum, MatchesThePlainSumAtCheckedPoints) {
  const auto points = CheckedPoints();
  for (const auto& [name, pupil] : SamplePupils()) {
    std::vector<reference::PlainSum> plain;
    for (const auto& [i, j] : points) {
      plain.push_back(reference::PlainDiffractionPoint(*pupil, i, j));
    }
    const double centre = std::hypot(plain[0].real, plain[0].imag);  // the largest modulus
    const auto paths =
        IsSparse(*pupil) ? AvailablePaths() : std::vector<InstructionSet>{simd::Widest()};
    for (const InstructionSet path : paths) {
      SCOPED_TRACE("pupil " + name + ", path " + std::to_string(static_cast<int>(path)));
      const Field fast = SumOn(path, *pupil);
      for (std::size_t p = 0; p < points.size(); ++p) {
        const auto [i, j] = points[p];
        EXPECT_NEAR(fast->real[i][j], plain[p].real, kTolerance * centre)
            << "i=" << i << " j=" << j;
        EXPECT_NEAR(fast->imag[i][j], plain[p].imag, kTolerance * centre)
            << "i=" << i << " j=" << j;
      }
    }
  }
}

// Each lane of a vector path does what the scalar path does, in the same order.
TEST(DiffractionSum, VectorPathsGiveTheScalarPathsBits) {
  const Pupil pupil = ThinnedWhenSanitized(RandomPupil());
  const Field scalar = SumOn(InstructionSet::kScalar, *pupil);
  for (const InstructionSet path : AvailablePaths()) {
    if (path == InstructionSet::kScalar) continue;
    const Field vector = SumOn(path, *pupil);
    EXPECT_EQ(std::memcmp(vector.get(), scalar.get(), sizeof(ImageField)), 0)
        << "path " << static_cast<int>(path);
  }
}

// At the focus every path is exactly R long, so all waves arrive in phase.
TEST(DiffractionSum, FocusSumsTheAmplitudesAndIsTheBrightestPoint) {
  for (const auto& [name, pupil] : SamplePupils()) {
    SCOPED_TRACE("pupil " + name);
    double amplitudeSum = 0.0;
    for (const auto& column : pupil->a) {
      for (const double amplitude : column) {
        amplitudeSum += amplitude;
      }
    }
    auto field = std::make_unique<ImageField>();
    DiffractionSum(*pupil, *field, {});
    double modulus[kImagePoints][kImagePoints];
    const double maximum = ModulusAndMaximum(*field, modulus);
    const double focus = modulus[kImageCentre][kImageCentre];
    EXPECT_NEAR(focus, amplitudeSum, kTolerance * amplitudeSum);
    EXPECT_GE(maximum, focus);
    EXPECT_LE(maximum, focus * (1.0 + kTolerance));
  }
}

TEST(DiffractionSum, BlockedPupilGivesAZeroField) {
  Pupil pupil = BlankPupil();
  pupil->a[5][6] = -0.0;  // a negative zero adds nothing either
  pupil->a[90][40] = -0.0;
  auto field = std::make_unique<ImageField>();
  DiffractionSum(*pupil, *field, {});
  for (int i = 0; i < kImagePoints; ++i) {
    for (int j = 0; j < kImagePoints; ++j) {
      ASSERT_EQ(field->real[i][j], 0.0);
      ASSERT_EQ(field->imag[i][j], 0.0);
      ASSERT_FALSE(std::signbit(field->real[i][j]) || std::signbit(field->imag[i][j]));
    }
  }
  EXPECT_EQ(MaximumModulus(*field), 0.0);
}

TEST(DiffractionSum, ReportsEachPupilColumnOnTheCallingThreadWhileItRuns) {
  const Pupil pupil = ThinnedWhenSanitized(VanedPupil());
  auto field = std::make_unique<ImageField>();
  std::vector<int> positions;
  std::vector<std::chrono::steady_clock::time_point> times;
  bool onCallingThread = true;
  const auto caller = std::this_thread::get_id();
  const auto start = std::chrono::steady_clock::now();
  DiffractionSum(*pupil, *field, [&](int position) {
    positions.push_back(position);
    times.push_back(std::chrono::steady_clock::now());
    onCallingThread = onCallingThread && std::this_thread::get_id() == caller;
  });
  const auto end = std::chrono::steady_clock::now();

  std::vector<int> expected;
  for (int k = 0; k < kPupilSamples; ++k) {
    expected.push_back(100 * k / 127);  // whole percent of the columns before k
  }
  EXPECT_EQ(positions, expected);
  EXPECT_TRUE(onCallingThread);
  // The bar moves during the sum, not all at once before or after it.
  ASSERT_EQ(times.size(), expected.size());
  EXPECT_GT(times.back() - times.front(), (end - start) / 2);
}

TEST(DiffractionSum, FailingProgressStopsTheSumAndIsPassedOn) {
  const Pupil pupil = ThinnedWhenSanitized(ClearPupil());
  auto field = std::make_unique<ImageField>();
  int calls = 0;
  EXPECT_THROW(DiffractionSum(*pupil, *field,
                              [&calls](int position) {
                                ++calls;
                                if (position == 3) throw std::runtime_error("cancelled");
                              }),
               std::runtime_error);
  EXPECT_EQ(calls, 5);  // positions 0, 0, 1, 2, 3

  // Nothing of the abandoned run is left over: the next run gives the bits of
  // an undisturbed one.
  DiffractionSum(*pupil, *field, {});
  const Field undisturbed = SumOn(simd::Widest(), *pupil);
  EXPECT_EQ(std::memcmp(field.get(), undisturbed.get(), sizeof(ImageField)), 0);
}

// Light through a clear circular aperture of diameter D forms an Airy
// pattern; its first dark ring lies 1.22 wavelength * R / D from the focus.
TEST(DiffractionSum, ClearApertureShowsTheAiryFirstDarkRing) {
  const Pupil pupil = ClearPupil();
  auto field = std::make_unique<ImageField>();
  DiffractionSum(*pupil, *field, {});
  double modulus[kImagePoints][kImagePoints];
  ModulusAndMaximum(*field, modulus);

  const double ring = 1.22 * 0.00055 * 600.0 / 128.0 / 0.0005;  // in image steps, about 6.3
  const auto firstMinimum = [&](int di, int dj) {
    int step = 1;
    while (modulus[32 + step * di][32 + step * dj] >
           modulus[32 + (step + 1) * di][32 + (step + 1) * dj]) {
      ++step;
    }
    return step;
  };
  for (const auto& [di, dj] :
       {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
    const int step = firstMinimum(di, dj);
    EXPECT_NEAR(step, ring, 1.0) << "direction " << di << "," << dj;
    // Dark indeed: under a tenth of the focus (an Airy ring's brightest part is 0.13).
    EXPECT_LT(modulus[32 + step * di][32 + step * dj], 0.1 * modulus[32][32]);
  }
}

}  // namespace
}  // namespace voka
