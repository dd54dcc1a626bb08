#pragma once

#include <QString>

// The three values that the program keeps from run to run, all in the
// section "Optionen" of the application "Kettwerk".
namespace kettwerk::settings {

inline const QString kWorkingFolder = QStringLiteral("txt_pro");
inline const QString kFunctionBlock = QStringLiteral("txt_individ");
inline const QString kMapkeyNames = QStringLiteral("frm_mapkeyneu.txt_mapkeyname.Text");

inline const QString kDefaultMapkeyNames = QStringLiteral("ds");

} // namespace kettwerk::settings
