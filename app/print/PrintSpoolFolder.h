// The spool folder that the print command puts the current user's jobs in:
// {all-users data}/quillbrook/{namespace}/{user name}/, the folder the tool
// looks in.
#pragma once

#include <string>
#include <string_view>

namespace qb {

// Reads the namespace from the installation's res/global.ini below
// `programFolder` (which ends in "/") and makes the user's spool folder
// ready: the spool root {all-users data}/quillbrook must exist (the
// system-wide installation creates it); missing namespace levels below it
// are created sticky and writable for all, like the root, and the user's
// folder private (0700). A user's folder that is not a real folder owned
// by the user is refused rather than written into, and one that others may
// open is made private. Returns the folder with a trailing "/"; raises
// EPrintError with the reason otherwise.
std::u16string PrepareSpoolFolder(std::u16string_view programFolder);

}  // namespace qb
