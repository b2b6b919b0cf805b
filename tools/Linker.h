#pragma once

#include <string>
#include <vector>

// The linker, "tools\link.exe": makes the viewer executable.
//
//   link.exe [/nologo] [/subsystem:S] [/incremental:I] [/machine:M] /out:FILE INPUT...
//
// Options start with '/' or '-' and are read without regard to letter case;
// an argument starting with '/' that is no option is an input.
// Every input must exist; a missing one is an error that names it. Of the
// inputs, exactly one is a program (an ELF executable: on this system the
// viewer program is complete in its object piece) and the ".res" files are
// compiled resources; the other pieces only have to be there. The output is
// the program with all the resources attached (ResourceFile::Attach),
// executable, written whole or not at all. Paths may use '\' for '/'.
class Linker {
  public:
    // The exit status: 0 when the output was written, 1 (with a message on
    // standard error) when not, 2 for a wrong command line.
    static int Run(const std::vector<std::string>& arguments);
};
