// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/compare/compare_job.h"

#include "dib/dib_read.h"
#include "dib/dib_red_channel.h"
#include "pupils/star_pupil.h"

namespace voka {

namespace {

struct ReadPupil {
  psf::PupilAmplitude pupil;
  CompareRefusal refusal = CompareRefusal::kNone;
  DibRefusal bitmapRefusal = DibRefusal::kNone;
};

ReadPupil ReadBitmap(const std::filesystem::path& path) {
  ReadPupil read;
  const DibHandle dib = DibReadPath(path, &read.bitmapRefusal);
  if (!dib) {
    read.refusal = CompareRefusal::kBitmapUnreadable;
    return read;
  }
  const RedChannel channel = DibRedChannel(dib, psf::kMaximumPupilSide);
  if (channel.red.empty()) {
    read.refusal = CompareRefusal::kBitmapTooLarge;
    return read;
  }
  read.pupil = psf::PupilFromRedChannel(channel.red, channel.width, channel.height);
  return read;
}

// Both camera images with one renderer and one set of settings, through a
// design's aperture as the star images are.
CompareOutcome CompareCameraImages(const CompareRequest& request, ReadPupil (&read)[2], int side,
                                   const psf::PsfSettings& settings, const CancelFlag& cancel,
                                   const ProgressSink& progress) {
  CompareOutcome outcome;
  CameraRequest camera;
  camera.settings = request.camera->settings;
  // Two bitmaps are seen through the camera window's aperture.
  if (request.a.design || request.b.design)
    camera.settings.apertureDiameterMm = settings.apertureDiameterMm;
  camera.files = request.camera->files;
  camera.renderer = std::make_shared<camera::CameraRenderer>();
  const ComparedPupil* sides[] = {&request.a, &request.b};
  std::shared_ptr<const CameraComputation> computed[2];
  for (int i = 0; i < 2; ++i) {
    if (cancel.IsRaised()) break;
    auto pupil = std::make_shared<const psf::PupilField>(
        sides[i]->design ? pupils::StarPupilOfDesign(*sides[i]->design, side)
                         : std::move(read[i].pupil));
    outcome.onB = i == 1;
    if (!psf::PupilLetsLightThrough(*pupil)) {
      outcome.refusal = CompareRefusal::kNoLight;
      return outcome;
    }
    camera.pupil = std::move(pupil);
    CameraOutcomeForWindow shot = ComputeCameraForWindow(
        camera, cancel, [&progress, i](int percent) { progress(i * 50 + percent / 2); });
    if (shot.end == CameraEnd::kRefused) {
      outcome.refusal = CompareRefusal::kCamera;
      outcome.cameraRefusal = shot.refusal;
      return outcome;
    }
    if (shot.end != CameraEnd::kDone) break;
    computed[i] = std::move(shot.computation);
  }
  if (!computed[0] || !computed[1]) {
    outcome.cancelled = true;
    return outcome;
  }
  outcome.onB = false;
  outcome.cameraA = std::move(computed[0]);
  outcome.cameraB = std::move(computed[1]);
  return outcome;
}

}  // namespace

CompareOutcome ComputeComparison(const CompareRequest& request, const CancelFlag& cancel,
                                 const ProgressSink& progress) {
  CompareOutcome outcome;
  const auto refuse = [&outcome](CompareRefusal refusal) {
    outcome.refusal = refusal;
    return outcome;
  };
  if (!request.a.IsSet() || !request.b.IsSet()) return refuse(CompareRefusal::kNoPupil);
  const ComparedPupil* sides[] = {&request.a, &request.b};

  // Bitmaps first: their size sets the grid a design is drawn on, so that
  // both images share one padded grid.
  ReadPupil read[2];
  int side = request.designSide;
  for (int i = 0; i < 2; ++i) {
    if (sides[i]->design) continue;
    read[i] = ReadBitmap(sides[i]->bitmapPath);
    if (read[i].refusal != CompareRefusal::kNone) {
      outcome.bitmapRefusal = read[i].bitmapRefusal;
      outcome.onB = i == 1;
      return refuse(read[i].refusal);
    }
    if (i == 1 && !request.a.design && read[0].pupil.side != read[1].pupil.side)
      return refuse(CompareRefusal::kSidesDiffer);
    side = read[i].pupil.side;
  }
  psf::PsfSettings settings = request.settings;
  if (request.a.design && request.b.design &&
      request.a.design->apertureDiameterMm != request.b.design->apertureDiameterMm)
    return refuse(CompareRefusal::kAperturesDiffer);
  for (const ComparedPupil* pupil : sides) {
    if (pupil->design) settings.apertureDiameterMm = pupil->design->apertureDiameterMm;
  }
  if (psf::CheckPsfSettings(settings)) return refuse(CompareRefusal::kSettings);
  if (request.camera) return CompareCameraImages(request, read, side, settings, cancel, progress);
  if (static_cast<long long>(side) * settings.padFactor > psf::kMaximumPaddedSide)
    return refuse(CompareRefusal::kGridTooLarge);

  std::shared_ptr<const psf::PsfAnalysis> analyses[2];
  for (int i = 0; i < 2; ++i) {
    if (cancel.IsRaised()) break;
    const psf::PupilAmplitude pupil = sides[i]->design
                                          ? pupils::StarPupilOfDesign(*sides[i]->design, side)
                                          : std::move(read[i].pupil);
    if (!psf::PupilLetsLightThrough(pupil)) {
      outcome.onB = i == 1;
      return refuse(CompareRefusal::kNoLight);
    }
    psf::PsfProgress stepProgress;
    stepProgress.cancelled = [&cancel] { return cancel.IsRaised(); };
    stepProgress.progress = [&progress, i](int percent) { progress(i * 50 + percent / 2); };
    std::optional<psf::PsfAnalysis> analysis = psf::AnalysePupil(pupil, settings, stepProgress);
    if (!analysis) break;
    analyses[i] = std::make_shared<const psf::PsfAnalysis>(std::move(*analysis));
  }
  if (!analyses[0] || !analyses[1]) {
    outcome.cancelled = true;
    return outcome;
  }
  outcome.a = std::move(analyses[0]);
  outcome.b = std::move(analyses[1]);
  return outcome;
}

}  // namespace voka
