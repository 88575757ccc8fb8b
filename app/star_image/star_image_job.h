// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "app/common/cancel_flag.h"
#include "app/common/latest_only_runner.h"
#include "psf/psf_analysis.h"
#include "psf/pupil_amplitude.h"
#include "psf/zoomed_image.h"

namespace voka {

// Renders a pupil at a side of the window's choosing (a design can be
// sampled at any side; a bitmap cannot). Runs on the computing thread.
using PupilRenderer = std::function<psf::PupilAmplitude(int side)>;

// What one computation of the star-image window needs. Either a fixed pupil
// or a renderer and the side to render at.
struct StarImageRequest {
  std::shared_ptr<const psf::PupilAmplitude> pupil;
  PupilRenderer renderPupil;
  int renderSide = 0;
  // The largest side the renderer draws; a larger N is refused as a size.
  int largestRenderSide = psf::kMaximumPupilSide;
  // Counts the pupils the window has been given; the computation keeps it
  // so the window knows which pupil a result belongs to.
  quint64 pupilVersion = 0;
  psf::PsfSettings settings;
  double zoomHalfWidthLambdaOverD = 0.0;
  // A previous computation of the same pupil and pad factor: the transform
  // is kept, only the zoom and the physical scale are redone, which is what
  // a dragged field-of-view slider or a new wavelength asks for.
  std::shared_ptr<const struct StarImageComputation> reuse;
};

// One finished computation: the transform's image, numbers and MTF, and the
// zoomed view, kept whole so that exports and a change of decades need no
// new computation.
struct StarImageComputation {
  std::shared_ptr<const psf::PupilAmplitude> pupil;
  std::shared_ptr<const psf::PsfAnalysis> analysis;
  psf::ZoomedImage zoom;
  quint64 pupilVersion = 0;
  double seconds = 0.0;
};

// How a computation ended. A refused one could not be made of its request
// and the window must say why; a cancelled one was stopped by the window
// and shows nothing.
enum class StarImageEnd { kDone, kRefused, kCancelled };

// What the window is told at the end: the computation, or why there is none
// (a Japanese message saying what to change).
struct StarImageOutcome {
  StarImageEnd end = StarImageEnd::kCancelled;
  std::shared_ptr<const StarImageComputation> computation;
  QString refusal;

  static StarImageOutcome Done(std::shared_ptr<const StarImageComputation> computation);
  static StarImageOutcome Refused(QString why);
  static StarImageOutcome Cancelled() { return {}; }
};

// The refusal of a pupil through which no light passes: it has no star image.
QString NoLightRefusal();

// The zoom's pixels per side: fine enough to show the rings at any field.
inline constexpr int kZoomPixelsAcross = 400;

// Whether two settings give the same transform of a pupil (the pad factor)
// and the same physical scale (wavelength, aperture, focal length).
bool SameTransform(const psf::PsfSettings& a, const psf::PsfSettings& b);
bool SamePhysicalSettings(const psf::PsfSettings& a, const psf::PsfSettings& b);

// The check the window runs before submitting, so that a refused setting
// costs no thread: empty when the request can be computed.
QString CheckStarImageRequest(const StarImageRequest& request);

// Computes on the calling thread, polling the flag between stages; reports
// 0..100. Cancelled only when the flag was raised.
StarImageOutcome ComputeStarImageOutcome(const StarImageRequest& request, const CancelFlag& cancel,
                                         const LatestOnlyRunner::ProgressSink& progress);

}  // namespace voka
