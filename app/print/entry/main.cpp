// quillbrook-print: puts a PostScript job into the spool folder and starts
// the tool of the installation it belongs to.
#include <unistd.h>

#include <iostream>

#include "app/print/CancelSignals.h"
#include "app/print/PrintCommand.h"
#include "platform/files/ProgramFolder.h"

int main(int argc, char** argv) {
  const qb::CancelSignals cancel;
  return qb::RunPrintCommand(std::vector<std::string>(argv + 1, argv + argc), qb::GetProgramFolder(), STDIN_FILENO,
                             std::cerr, cancel.Fd());
}
