// SPDX-License-Identifier: GPL-3.0-or-later
// Spectra and colour against the laws they come from.

#include <gtest/gtest.h>

#include <cmath>

#include "camera/colour_channels.h"
#include "camera/planck.h"

namespace voka::camera {
namespace {

// The wavelength of the largest radiance, by golden-section search.
double PeakWavelengthNm(double temperatureK) {
  const double golden = (std::sqrt(5.0) - 1.0) / 2.0;
  double low = 100.0;
  double high = 5000.0;
  while (high - low > 1e-7) {
    const double a = high - golden * (high - low);
    const double b = low + golden * (high - low);
    if (PlanckRadiancePerNm(a, temperatureK) < PlanckRadiancePerNm(b, temperatureK))
      low = a;
    else
      high = b;
  }
  return (low + high) / 2.0;
}

TEST(Colour, PlanckPeaksWhereWienSays) {
  for (const double temperature : {3000.0, 5800.0, 10000.0}) {
    const double wien = kWienDisplacementMetreKelvin / temperature * 1e9;
    EXPECT_NEAR(PeakWavelengthNm(temperature), wien, 1e-5 * wien) << temperature << " K";
  }
}

double ChannelTotal(const SpectralChannels& channels, int channel) {
  double total = 0.0;
  for (std::size_t i = 0; i < channels.wavelengthsNm.size(); ++i)
    total += channels.Weight(i, channel);
  return total;
}

TEST(Colour, EqualEnergyIsNeutralAndStarsTakeTheirTemperaturesColour) {
  Spectrum flat;
  flat.kind = SpectrumKind::kFlat;
  const SpectralChannels white = PlanSpectralChannels(flat, 31, ColourMode::kVisual);
  ASSERT_EQ(white.channelCount, 3);
  EXPECT_NEAR(ChannelTotal(white, 0) / ChannelTotal(white, 1), 1.0, 0.01);
  EXPECT_NEAR(ChannelTotal(white, 2) / ChannelTotal(white, 1), 1.0, 0.01);
  for (const ColourMode mode : {ColourMode::kVisual, ColourMode::kCamera}) {
    Spectrum star;
    star.temperatureK = 4000.0;
    const SpectralChannels cool = PlanSpectralChannels(star, 31, mode);
    EXPECT_GT(ChannelTotal(cool, 0) / ChannelTotal(cool, 2), 1.0) << "4000 K is orange";
    star.temperatureK = 10000.0;
    const SpectralChannels hot = PlanSpectralChannels(star, 31, mode);
    EXPECT_LT(ChannelTotal(hot, 0) / ChannelTotal(hot, 2), 1.0) << "10000 K is bluish";
  }
}

// A detector counts photons: on a flat power spectrum the photon weights
// rise as λ, at the centres of equal bins.
TEST(Colour, MonoAndCameraWeightPhotonsAtBinCentres) {
  Spectrum flat;
  flat.kind = SpectrumKind::kFlat;
  const SpectralChannels mono = PlanSpectralChannels(flat, 3, ColourMode::kMono);
  ASSERT_EQ(mono.wavelengthsNm, (std::vector<double>{450.0, 550.0, 650.0}));
  EXPECT_NEAR(mono.Weight(0, 0), 450.0 / 1650.0, 1e-12);
  EXPECT_NEAR(mono.Weight(2, 0), 650.0 / 1650.0, 1e-12);
  const SpectralChannels camera = PlanSpectralChannels(flat, 3, ColourMode::kCamera);
  // The flat bands: 450 nm is blue only, 650 nm red only.
  EXPECT_NEAR(camera.Weight(0, 2), mono.Weight(0, 0), 1e-12);
  EXPECT_EQ(camera.Weight(0, 0), 0.0);
  EXPECT_NEAR(camera.Weight(2, 0), mono.Weight(2, 0), 1e-12);
  const Spectrum table = TableSpectrum({{500.0, 1.0}, {520.0, 3.0}});
  EXPECT_EQ(PlanSpectralChannels(table, 2, ColourMode::kMono).wavelengthsNm,
            (std::vector<double>{505.0, 515.0}));
  EXPECT_NEAR(SpectralPower(table, 505.0), 1.5, 1e-12);
}

// Tables a spectrum file may hold: without light the camera would sample,
// the eye would see, or with weights whose photon counts overflow a double.
// The first two plan no channels (the renderer refuses the spectrum); the
// last plans the weights of the same table scaled down.
TEST(Colour, TablesWithoutLightPlanNoChannelsAndHugeWeightsStayFinite) {
  const Spectrum dark = TableSpectrum({{566.24, 0.0}, {656.4, 0.0}});
  const Spectrum infrared = TableSpectrum({{3000.0, 1.0}, {4000.0, 1.0}});
  for (const ColourMode mode : {ColourMode::kVisual, ColourMode::kCamera, ColourMode::kMono}) {
    const SpectralChannels none = PlanSpectralChannels(dark, 7, mode);
    EXPECT_TRUE(none.wavelengthsNm.empty() && none.weights.empty());
  }
  EXPECT_TRUE(PlanSpectralChannels(infrared, 7, ColourMode::kVisual).weights.empty());
  EXPECT_EQ(PlanSpectralChannels(infrared, 7, ColourMode::kMono).weights.size(), 7u);

  const Spectrum huge = TableSpectrum({{400.0, 1e308}, {700.0, 1.5e308}});
  const Spectrum small = TableSpectrum({{400.0, 1.0}, {700.0, 1.5}});
  for (const ColourMode mode : {ColourMode::kVisual, ColourMode::kCamera, ColourMode::kMono}) {
    const SpectralChannels large = PlanSpectralChannels(huge, 7, mode);
    const SpectralChannels plain = PlanSpectralChannels(small, 7, mode);
    ASSERT_EQ(large.weights.size(), plain.weights.size());
    for (std::size_t i = 0; i < plain.weights.size(); ++i)
      EXPECT_NEAR(large.weights[i], plain.weights[i], 1e-12) << i;
  }
}

}  // namespace
}  // namespace voka::camera
