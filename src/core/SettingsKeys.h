#pragma once

#include <QString>

// The values that the program keeps from run to run, all in the
// section "Optionen" of the application "Kettwerk".
namespace kettwerk::settings {

inline const QString kWorkingFolder = QStringLiteral("txt_pro");
inline const QString kFunctionBlock = QStringLiteral("txt_individ");
inline const QString kMapkeyNames = QStringLiteral("frm_mapkeyneu.txt_mapkeyname.Text");

inline const QString kDefaultMapkeyNames = QStringLiteral("ds");

// Further config.pro files in which the check before writing looks up the
// user's mapkeys, one path a line.
inline const QString kFurtherConfigFiles = QStringLiteral("weitere_config_pro");

// Whether a written batch notes its progress in doit.log: "1" or "0".
inline const QString kLogProgress = QStringLiteral("fortschritt_protokollieren");

// When the progress window takes a run for stuck: no marker for this many
// times the median time per file, and at least this many minutes.
inline const QString kStallFactor = QStringLiteral("haenger_faktor");
inline const QString kStallMinutes = QStringLiteral("haenger_minuten");

} // namespace kettwerk::settings
