// A real X display of the test's own: an Xvfb started on a free display
// number for the life of the object, with a connection of the test that can
// play the desktop around the program (monitors, a compositing manager, the
// colour behind the windows) and look at the program's windows.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace qb::test {

class PrivateDisplay {
 public:
  // One screen of `size` pixels, 24-bit. Usable() tells whether it started.
  explicit PrivateDisplay(SIZE size);
  ~PrivateDisplay();
  PrivateDisplay(const PrivateDisplay&) = delete;
  PrivateDisplay& operator=(const PrivateDisplay&) = delete;

  bool Usable() const;
  // ":N", for DISPLAY.
  const std::string& Name() const { return name_; }

  struct Monitor {
    RECT rect;
    bool primary = false;
  };
  // RandR monitors, as a desktop sets them up; they last as long as the
  // display object (the server drops a client's monitors when it goes).
  void SetMonitors(const std::vector<Monitor>& monitors);
  // Takes the compositing manager's selection, as one would at its start.
  void PoseAsCompositor();
  // Fills the root window with `rgb` (0xRRGGBB).
  void SetBackground(std::uint32_t rgb);
  // The rectangles (root coordinates) of the mapped top-level windows
  // whose _NET_WM_NAME is `name`.
  std::vector<RECT> WindowsNamed(const std::string& name);

  struct Connection;

 private:
  pid_t server_ = -1;
  std::string name_;
  std::unique_ptr<Connection> connection_;
};

}  // namespace qb::test
