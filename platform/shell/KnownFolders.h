// The user's and the machine's special folders, found the way a Linux
// desktop finds them, with variables that stand in for the Windows ones.
#pragma once

#include <string>

constexpr int CSIDL_DESKTOPDIRECTORY = 0x0010;  // 16
constexpr int CSIDL_APPDATA = 0x001A;           // 26
constexpr int CSIDL_COMMON_APPDATA = 0x0023;    // 35
constexpr int CSIDL_PROFILE = 0x0028;           // 40

// CSIDL_APPDATA: $APPDATA when set and not empty, else $XDG_CONFIG_HOME
// (when absolute), else $HOME/.config.
// CSIDL_COMMON_APPDATA: $PROGRAMDATA when set and not empty, else /var/lib.
// CSIDL_DESKTOPDIRECTORY: XDG_DESKTOP_DIR from user-dirs.dirs in the
// configuration folder above (with $HOME expanded), else $HOME/Desktop.
// CSIDL_PROFILE: $HOME.
// $HOME, when unset or empty, is the home folder of the user database.
//
// The folder is returned without a trailing "/" and is never created. An
// unknown identifier or a failing lookup gives the empty text.
std::u16string SHGetSpecialFolderPath(int csidl);
