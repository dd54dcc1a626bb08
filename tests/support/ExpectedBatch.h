#pragma once

#include <QByteArray>

// doit.pro for the single file `name` with the mapkey names `names`, spelt out
// line by line so that a change to any stored block shows up here.
inline QByteArray oneFileBatch(const QByteArray& name, const QByteArray& names)
{
    QByteArray text =
        "mapkey doit ~ ;\\\r\n"
        "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
        "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` "
        "`File.psh_open`;\\\r\n"
        "mapkey(continued) ~ Update `file_open` `Inputname` `a.drw`;\\\r\n"
        "mapkey(continued) ~ Activate `file_open` `Open`;%rt;\\\r\n"
        "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
        "mapkey(continued) ~ Select `main_dlg_cur` `File.cb_file_erase`;\\\r\n"
        "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
        "mapkey(continued) ~ Close `main_dlg_cur` `File.cb_file_erase`;\\\r\n"
        "mapkey(continued) ~ Activate `main_dlg_cur` `psh_erase`;~ Activate `file_erase` "
        "`sel_list`;\\\r\n"
        "mapkey(continued) ~ Activate `file_erase` `OK`;\\\r\n"
        "mapkey(continued) ~ Activate `0_std_confirm` `OK`;\\\r\n"
        "mapkey(continued) ~ ;\r\n\r\n";
    return text.replace("`a.drw`", "`" + name + "`").replace("%rt;", "%" + names + ";");
}

// The exact bytes that every installation appends to config.pro.
inline const QByteArray kAutoBlock =
    "! Mapkey zum ausfuehren der doit.pro\r\n"
    "mapkey auto @MAPKEY_NAMEruft doit.pro auf und weist den mapkey doit zu;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1 `Utilities`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_util_pref`;\\\r\n"
    "mapkey(continued) ~ FocusOut `preferences` `InputOpt`;~ Activate `preferences` `Open`;\\\r\n"
    "mapkey(continued) ~ Select `file_open` `Ph_list.Filelist`1 `doit.pro`;\\\r\n"
    "mapkey(continued) ~ Activate `file_open` `Ph_list.Filelist`1 `doit.pro`;\\\r\n"
    "mapkey(continued) ~ Activate `preferences` `ApplySave`;~ FocusOut `preferences` "
    "`InputOpt`;\\\r\n"
    "mapkey(continued) ~ Activate `preferences` `Close`;%doit;\r\n"
    "!\r\n";

// The mapkeys that tests name, as a user's config.pro defines them.
inline const QByteArray kDefinedMapkeys = "mapkey ds ~ ;\r\nmapkey rt ~ ;\r\nmapkey stored ~ ;\r\n"
                                          "mapkey + ~ ;\r\nmapkey bb ~ ;\r\nmapkey 00 ~ ;\r\n";
