// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/design_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>
#include <QStringList>
#include <cmath>

#include "output/shown_text.h"
#include "wavefront/zernike.h"

namespace voka::pupils {

namespace {

const QString kVersionKey = QStringLiteral("voka_pupil");

struct Refusal {
  DesignProblem problem;
};

[[noreturn]] void Refuse(std::string field, std::string reason, DesignProblemKind kind) {
  throw Refusal{MakeDesignProblem(std::move(field), std::move(reason), kind)};
}

// A key is the file's own text: control characters in it (a NUL, an escape
// sequence) are shown as \xNN, so that naming it cannot cut a message short
// or drive the terminal the message is printed on.
std::string Joined(const std::string& prefix, const QString& key) {
  const std::string shown = EscapedForDisplay(key.toStdString());
  return prefix.empty() ? shown : prefix + "." + shown;
}

// Every key of `object` must be one of `allowed` and every one of `required`
// must be there.
void CheckKeys(const QJsonObject& object, const std::string& prefix, const QStringList& required,
               const QStringList& optional = {}) {
  for (const QString& key : object.keys()) {
    if (!required.contains(key) && !optional.contains(key))
      Refuse(Joined(prefix, key), "知らない項目です。綴りを確かめるか、取り除いてください。",
             DesignProblemKind::kUnknownKey);
  }
  for (const QString& key : required) {
    if (!object.contains(key))
      Refuse(Joined(prefix, key), "ありません。書き加えてください。",
             DesignProblemKind::kMissingKey);
  }
}

double Number(const QJsonObject& object, const std::string& prefix, const QString& key) {
  const QJsonValue value = object.value(key);
  if (!value.isDouble())
    Refuse(Joined(prefix, key), "数値にしてください。", DesignProblemKind::kNotNumber);
  const double number = value.toDouble();
  if (!std::isfinite(number))
    Refuse(Joined(prefix, key), "数値が有限ではありません。普通の数値を書いてください。",
           DesignProblemKind::kNotFinite);
  return number;
}

// A number that a person writing a design by hand may leave out.
double OptionalNumber(const QJsonObject& object, const std::string& prefix, const QString& key) {
  return object.contains(key) ? Number(object, prefix, key) : 0.0;
}

QJsonObject Object(const QJsonValue& value, const std::string& field) {
  if (!value.isObject())
    Refuse(field, "{ } で囲んだ項目の集まりにしてください。", DesignProblemKind::kNotObject);
  return value.toObject();
}

Obstruction ReadObstruction(const QJsonObject& object) {
  const std::string prefix = "obstruction";
  CheckKeys(object, prefix, {QStringLiteral("diameter_mm")},
            {QStringLiteral("offset_x_mm"), QStringLiteral("offset_y_mm")});
  return Obstruction{Number(object, prefix, QStringLiteral("diameter_mm")),
                     OptionalNumber(object, prefix, QStringLiteral("offset_x_mm")),
                     OptionalNumber(object, prefix, QStringLiteral("offset_y_mm"))};
}

Vane ReadVane(const QJsonObject& object, std::size_t index) {
  const std::string prefix = "vanes[" + std::to_string(index) + "]";
  const QJsonValue shape = object.value(QStringLiteral("shape"));
  if (!object.contains(QStringLiteral("shape")))
    Refuse(prefix + ".shape", "ありません。\"straight\" か \"curved\" を書き加えてください。",
           DesignProblemKind::kShapeMissing);
  if (!shape.isString())
    Refuse(prefix + ".shape", "文字列 \"straight\" か \"curved\" にしてください。",
           DesignProblemKind::kShapeNotString);
  Vane vane;
  QString lengthKey;
  if (shape.toString() == QStringLiteral("straight")) {
    vane.shape = VaneShape::kStraight;
    lengthKey = QStringLiteral("offset_mm");
  } else if (shape.toString() == QStringLiteral("curved")) {
    vane.shape = VaneShape::kCurved;
    lengthKey = QStringLiteral("radius_mm");
  } else {
    Refuse(prefix + ".shape", "\"straight\"（直線）か \"curved\"（曲線）にしてください。",
           DesignProblemKind::kShapeUnknown);
  }
  // A straight vane through the centre needs no offset; a curved one always
  // needs its radius.
  const bool straight = vane.shape == VaneShape::kStraight;
  QStringList required{QStringLiteral("shape"), QStringLiteral("angle_deg"),
                       QStringLiteral("width_mm")};
  if (!straight) required.append(lengthKey);
  CheckKeys(object, prefix, required, straight ? QStringList{lengthKey} : QStringList{});
  vane.angleDeg = Number(object, prefix, QStringLiteral("angle_deg"));
  vane.widthMm = Number(object, prefix, QStringLiteral("width_mm"));
  if (straight)
    vane.offsetMm = OptionalNumber(object, prefix, lengthKey);
  else
    vane.radiusMm = Number(object, prefix, lengthKey);
  return vane;
}

int CheckVersion(const QJsonObject& root) {
  if (!root.contains(kVersionKey))
    Refuse("voka_pupil", "ありません。瞳の設計ファイルではないようです。",
           DesignProblemKind::kNotDesignFile);
  const QJsonValue version = root.value(kVersionKey);
  if (!version.isDouble() ||
      (version.toDouble() != kDesignFileVersion && version.toDouble() != kWavefrontFileVersion))
    Refuse("voka_pupil", "1 か 2 ではありません。この版で読める設計ファイルは 1 と 2 です。",
           DesignProblemKind::kUnknownVersion);
  return static_cast<int>(version.toDouble());
}

// Noll indices are written as plain decimal strings, "1" to "37".
int NollIndexOfKey(const QString& key, const std::string& field) {
  bool isNumber = false;
  const int index = key.toInt(&isNumber);
  if (!isNumber || QString::number(index) != key || index < 1 ||
      index > wavefront::kMaximumNollIndex)
    Refuse(field,
           "Zernike 項の番号 (Noll) は \"1\" から \"" +
               std::to_string(wavefront::kMaximumNollIndex) + "\" の文字列にしてください。",
           DesignProblemKind::kNollKeyInvalid);
  return index;
}

wavefront::WavefrontTerms ReadWavefront(const QJsonObject& object) {
  const std::string prefix = "wavefront";
  CheckKeys(object, prefix, {}, {QStringLiteral("zernike_nm_rms"), QStringLiteral("defocus_mm")});
  wavefront::WavefrontTerms terms;
  if (object.contains(QStringLiteral("zernike_nm_rms"))) {
    const std::string field = prefix + ".zernike_nm_rms";
    const QJsonObject zernike = Object(object.value(QStringLiteral("zernike_nm_rms")), field);
    for (const QString& key : zernike.keys()) {
      const int nollIndex = NollIndexOfKey(key, Joined(field, key));
      terms.zernikeRmsNm[nollIndex] = Number(zernike, field, key);
    }
  }
  if (object.contains(QStringLiteral("defocus_mm")))
    terms.defocusMm = Number(object, prefix, QStringLiteral("defocus_mm"));
  return terms;
}

PupilDesign ReadDesign(const QJsonObject& root) {
  const int version = CheckVersion(root);
  QStringList optional{QStringLiteral("obstruction")};
  if (version == kWavefrontFileVersion)
    optional << QStringLiteral("focal_mm") << QStringLiteral("wavefront");
  CheckKeys(root, "", {kVersionKey, QStringLiteral("aperture_mm"), QStringLiteral("vanes")},
            optional);
  PupilDesign design;
  design.apertureDiameterMm = Number(root, "", QStringLiteral("aperture_mm"));
  if (root.contains(QStringLiteral("focal_mm")))
    design.focalLengthMm = Number(root, "", QStringLiteral("focal_mm"));
  if (root.contains(QStringLiteral("wavefront")))
    design.wavefront = ReadWavefront(Object(root.value(QStringLiteral("wavefront")), "wavefront"));
  if (root.contains(QStringLiteral("obstruction")))
    design.obstruction =
        ReadObstruction(Object(root.value(QStringLiteral("obstruction")), "obstruction"));
  const QJsonValue vanes = root.value(QStringLiteral("vanes"));
  if (!vanes.isArray())
    Refuse("vanes", "[ ] で囲んだ並びにしてください（支持板なしは []）。",
           DesignProblemKind::kVanesNotArray);
  const QJsonArray list = vanes.toArray();
  if (list.size() > kMaxVanes)
    Refuse("vanes", "支持板は " + std::to_string(kMaxVanes) + " 本までにしてください。",
           DesignProblemKind::kTooManyVanes);
  for (qsizetype index = 0; index < list.size(); ++index) {
    const std::size_t at = static_cast<std::size_t>(index);
    design.vanes.push_back(
        ReadVane(Object(list.at(index), "vanes[" + std::to_string(at) + "]"), at));
  }
  return design;
}

QJsonObject WavefrontToJson(const wavefront::WavefrontTerms& terms) {
  QJsonObject object;
  if (!terms.zernikeRmsNm.empty()) {
    QJsonObject zernike;
    for (const auto& [nollIndex, coefficient] : terms.zernikeRmsNm)
      zernike.insert(QString::number(nollIndex), coefficient);
    object.insert(QStringLiteral("zernike_nm_rms"), zernike);
  }
  if (terms.defocusMm) object.insert(QStringLiteral("defocus_mm"), *terms.defocusMm);
  return object;
}

}  // namespace

QByteArray DesignToJson(const PupilDesign& design) {
  // A design without optics stays readable by the first version.
  const bool needsVersion2 = design.focalLengthMm || !design.wavefront.Empty();
  QJsonObject root;
  root.insert(kVersionKey, needsVersion2 ? kWavefrontFileVersion : kDesignFileVersion);
  root.insert(QStringLiteral("aperture_mm"), design.apertureDiameterMm);
  if (design.focalLengthMm) root.insert(QStringLiteral("focal_mm"), *design.focalLengthMm);
  if (!design.wavefront.Empty())
    root.insert(QStringLiteral("wavefront"), WavefrontToJson(design.wavefront));
  if (design.obstruction) {
    QJsonObject obstruction;
    obstruction.insert(QStringLiteral("diameter_mm"), design.obstruction->diameterMm);
    obstruction.insert(QStringLiteral("offset_x_mm"), design.obstruction->offsetXMm);
    obstruction.insert(QStringLiteral("offset_y_mm"), design.obstruction->offsetYMm);
    root.insert(QStringLiteral("obstruction"), obstruction);
  }
  QJsonArray vanes;
  for (const Vane& vane : design.vanes) {
    QJsonObject entry;
    const bool straight = vane.shape == VaneShape::kStraight;
    entry.insert(QStringLiteral("shape"),
                 straight ? QStringLiteral("straight") : QStringLiteral("curved"));
    entry.insert(QStringLiteral("angle_deg"), vane.angleDeg);
    entry.insert(QStringLiteral("width_mm"), vane.widthMm);
    if (straight)
      entry.insert(QStringLiteral("offset_mm"), vane.offsetMm);
    else
      entry.insert(QStringLiteral("radius_mm"), vane.radiusMm);
    vanes.append(entry);
  }
  root.insert(QStringLiteral("vanes"), vanes);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

DesignParse ParseDesignJson(const QByteArray& text) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(text, &error);
  if (error.error != QJsonParseError::NoError) {
    DesignProblem problem =
        MakeDesignProblem("",
                          "JSON として読めません（" + std::to_string(error.offset) +
                              " バイト目: " + error.errorString().toStdString() +
                              "）。テキストエディターで直すか、設計画面で保存し直してください。",
                          DesignProblemKind::kNotJson);
    problem.textOffset = error.offset;
    problem.parserMessage = error.errorString().toStdString();
    return {std::nullopt, std::move(problem)};
  }
  if (!document.isObject())
    return {std::nullopt, MakeDesignProblem("", "{ } で囲んだ JSON の設計ではありません。",
                                            DesignProblemKind::kNotJsonObject)};
  try {
    PupilDesign design = ReadDesign(document.object());
    if (auto problem = FindDesignProblem(design)) return {std::nullopt, *problem};
    return {std::move(design), {}};
  } catch (const Refusal& refusal) {
    return {std::nullopt, refusal.problem};
  }
}

}  // namespace voka::pupils
