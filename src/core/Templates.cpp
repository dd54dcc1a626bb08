#include "core/Templates.h"

#include <iterator>

namespace kettwerk::templates {
namespace {

// One literal per line keeps the CR LF out of the source file, so no
// checkout setting can change the bytes that end up in doit.pro.
const char16_t* const kHeaderLines[] = {
    uR"(mapkey doit ~ ;\)",
};

const char16_t* const kOpenStepLines[] = {
    uR"(mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\)",
    uR"(mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_open`;\)",
    uR"(mapkey(continued) ~ Update `file_open` `Inputname` `)",
};

const char16_t* const kClosingLines[] = {
    uR"(mapkey(continued) ~ ;)",
};

const char16_t* const kCustomTemplateLines[] = {
    uR"(`;\)",
    uR"(mapkey(continued) ~ Activate `file_open` `Open`;%SCHWEINEREI;\)",
    uR"(mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\)",
    uR"(mapkey(continued) ~ Select `main_dlg_cur` `File.cb_file_erase`;\)",
    uR"(mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\)",
    uR"(mapkey(continued) ~ Close `main_dlg_cur` `File.cb_file_erase`;\)",
    uR"(mapkey(continued) ~ Activate `main_dlg_cur` `psh_erase`;~ Activate `file_erase` `sel_list`;\)",
    uR"(mapkey(continued) ~ Activate `file_erase` `OK`;\)",
    uR"(mapkey(continued) ~ Activate `0_std_confirm` `OK`;\)",
};

const char16_t* const kStoredFunctionLines[] = {
    uR"(`;\)",
    uR"(mapkey(continued) ~ Activate `file_open` `Open`;~ Select `main_dlg_cur` `MenuBar1`1  `Edit`;\)",
    uR"(mapkey(continued) ~ Select `main_dlg_cur` `Edit.cb_dwg_regen`;\)",
    uR"(mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Close `main_dlg_cur` `Edit.cb_dwg_regen`;\)",
    uR"(mapkey(continued) ~ Activate `main_dlg_cur` `psh_dwg_regen_model`;#AUTOMATIC;\)",
    uR"(mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\)",
    uR"(mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_save`;\)",
    uR"(mapkey(continued) ~ Activate `file_saveas` `OK`;~ Activate `storage_conflicts` `OK_PushButton`;\)",
    uR"(mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\)",
    uR"(mapkey(continued) ~ Select `main_dlg_cur` `File.cb_file_erase`;\)",
    uR"(mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\)",
    uR"(mapkey(continued) ~ Close `main_dlg_cur` `File.cb_file_erase`;\)",
    uR"(mapkey(continued) ~ Activate `main_dlg_cur` `psh_erase`;~ Activate `file_erase` `sel_list`;\)",
    uR"(mapkey(continued) ~ Activate `file_erase` `OK`;\)",
};

const char16_t* const kAutoBlockItems[] = {
    uR"(! Mapkey zum ausfuehren der doit.pro)",
    uR"(mapkey auto @MAPKEY_NAMEruft doit.pro auf und weist den mapkey doit zu;\)",
    uR"(mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1 `Utilities`;\)",
    uR"(mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\)",
    uR"(mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_util_pref`;\)",
    uR"(mapkey(continued) ~ FocusOut `preferences` `InputOpt`;~ Activate `preferences` `Open`;\)",
    uR"(mapkey(continued) ~ Select `file_open` `Ph_list.Filelist`1 `doit.pro`;\)",
    uR"(mapkey(continued) ~ Activate `file_open` `Ph_list.Filelist`1 `doit.pro`;\)",
    uR"(mapkey(continued) ~ Activate `preferences` `ApplySave`;~ FocusOut `preferences` `InputOpt`;\)",
    uR"(mapkey(continued) ~ Activate `preferences` `Close`;%doit;)",
    uR"(!)",
};

template <std::size_t N> QString joinWithCrLf(const char16_t* const (&lines)[N])
{
    QString text;
    for (const char16_t* line : lines) {
        text += QString::fromUtf16(line);
        text += u"\r\n";
    }
    return text;
}

} // namespace

QString headerBlock()
{
    return joinWithCrLf(kHeaderLines);
}
QString openStep()
{
    return joinWithCrLf(kOpenStepLines);
}
QString closingLine()
{
    return joinWithCrLf(kClosingLines);
}
QString customSequenceTemplate()
{
    return joinWithCrLf(kCustomTemplateLines);
}
QString storedFunctionBlock()
{
    return joinWithCrLf(kStoredFunctionLines);
}

QStringList autoBlock()
{
    QStringList items;
    for (const char16_t* line : kAutoBlockItems)
        items.append(QString::fromUtf16(line));
    return items;
}

} // namespace kettwerk::templates
