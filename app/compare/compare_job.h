// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/camera_view/camera_view_job.h"
#include "app/common/cancel_flag.h"
#include "app/common/runner_task.h"
#include "dib/dib_refusal.h"
#include "psf/psf_analysis.h"
#include "pupils/pupil_design.h"

namespace voka {

// One side of a comparison: a design (from a file or the designer) drawn at
// the window's N, or a bitmap read at its own size on the computing thread.
struct ComparedPupil {
  std::optional<pupils::PupilDesign> design;
  std::filesystem::path bitmapPath;
  QString name;

  bool IsSet() const { return design || !bitmapPath.empty(); }
};

// What a comparison needs: both pupils and one set of star-image settings.
// A design brings its own aperture, which the other side then takes too;
// the window's aperture holds only for two bitmaps.
struct CompareRequest {
  ComparedPupil a;
  ComparedPupil b;
  int designSide = 0;
  psf::PsfSettings settings;
  // Set: compare the camera images made with these settings (the aperture
  // is the designs', as for the star images) instead of the star images.
  std::optional<CameraWindowSettings> camera;
};

enum class CompareRefusal {
  kNone,
  kNoPupil,           // A or B is not chosen
  kBitmapUnreadable,  // `bitmapRefusal` names why
  kBitmapTooLarge,    // over psf::kMaximumPupilSide
  kSidesDiffer,       // two bitmaps of different sizes: their grids differ
  kAperturesDiffer,   // two designs of different apertures
  kGridTooLarge,      // side × Q over psf::kMaximumPaddedSide
  kSettings,          // a setting out of its range
  kNoLight,           // a pupil lets no light through (`onB` says which)
  kCamera,            // the camera image was refused: `cameraRefusal` says why
};

struct CompareOutcome {
  CompareRefusal refusal = CompareRefusal::kNone;
  DibRefusal bitmapRefusal = DibRefusal::kNone;
  bool onB = false;
  bool cancelled = false;
  QString cameraRefusal;
  // The star images, or in camera mode the camera images.
  std::shared_ptr<const psf::PsfAnalysis> a;
  std::shared_ptr<const psf::PsfAnalysis> b;
  std::shared_ptr<const CameraComputation> cameraA;
  std::shared_ptr<const CameraComputation> cameraB;

  bool IsCamera() const { return cameraA && cameraB; }
};

// Draws or reads both pupils on one grid and analyses each, on the calling
// thread, reporting 0..100 and polling the flag between stages.
CompareOutcome ComputeComparison(const CompareRequest& request, const CancelFlag& cancel,
                                 const ProgressSink& progress);

}  // namespace voka
