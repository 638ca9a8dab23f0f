// The folder the save dialog opens in.
#pragma once

#include <string>

namespace qb {

// The remembered folder ("savepath" of the settings file) when it names
// an existing folder, else the desktop folder, else, when there is no
// desktop folder (a new account, a desktop without one), the home folder.
// A remembered folder that is not absolute (a hand-edited settings file)
// lies below the home folder; "~" at its start stands for the home folder.
// An absolute remembered folder is given as it is written.
std::u16string SaveFolder(const std::u16string& remembered);

}  // namespace qb
