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

} // namespace kettwerk::settings
