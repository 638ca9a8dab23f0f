// The errors that end a print command or the CUPS backend: each message
// says what went wrong in words the person who printed, or the
// administrator, can act on. The kind tells the backend what becomes of
// the job.
#pragma once

#include <stdexcept>

namespace qb {

// A failure that may pass, such as a full disk: the job may be tried again.
class EPrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The installation is incomplete (no spool root, no namespace): no job can
// be taken until an administrator mends it.
class EPrintSetupError : public EPrintError {
 public:
  using EPrintError::EPrintError;
};

// This job cannot be taken, and trying it again would not change that: an
// empty job, a job for an account that may not receive one, a spool folder
// that is not the user's own, a cancel while the job came in.
class EPrintRefused : public EPrintError {
 public:
  using EPrintError::EPrintError;
};

}  // namespace qb
