// Anchor for whole-program start-up: the cost of starting and ending a C++
// program that does nothing, with the C++ runtime loaded as in any of ours.
#include <iostream>

int main() {
  std::cout.flush();
  return 0;
}
