// The print job of this run. Claiming it gives it its ".tmp" name, so that
// no later start takes it while this run works on it. The run then either
// is done with it (Remove: converted, or cancelled by the user) or it goes
// back to its ".ps" name for a later start: PutBack, which is also what
// happens when the object goes without either (an end by a termination
// signal or a shutdown signal, no dialog to ask the user with, an error).
#pragma once

#include <string>

namespace qb {

class ClaimedJob {
 public:
  ClaimedJob() = default;
  ~ClaimedJob() { PutBack(); }
  ClaimedJob(const ClaimedJob&) = delete;
  ClaimedJob& operator=(const ClaimedJob&) = delete;

  // Renames the job at `path` to its claimed name: the extension of its
  // file-name part (from its last ".") replaced by ".tmp". A job already
  // claimed is put back first. A rename that fails (the file is gone, or
  // held) is not reported: the path is then still the claimed name, and
  // nothing is put back later.
  void Claim(const std::u16string& path);

  // The claimed name; empty before Claim.
  const std::u16string& Path() const { return claimed_; }

  // Deletes the claimed file; nothing is put back afterwards.
  void Remove();

  // Gives the claimed file its name from before the claim again, unless
  // a file of that name has come meanwhile (which it never replaces).
  void PutBack();

 private:
  std::u16string original_;
  std::u16string claimed_;
  bool held_ = false;
};

// `path` with the extension of its file-name part replaced by ".tmp".
std::u16string ClaimedName(const std::u16string& path);

}  // namespace qb
