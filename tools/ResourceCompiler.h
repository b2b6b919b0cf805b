#pragma once

#include <string>
#include <vector>

// The resource compiler, "tools\rc.exe": compiles a resource script into a
// ".res" file.
//
//   rc.exe [/l LANGUAGE] [/d NAME[=VALUE]]... [/fo OUTPUT] SCRIPT
//
// Options start with '/' or '-' and are read without regard to letter case;
// "/foOUTPUT" and "/fo OUTPUT" are the same. An argument starting with '/'
// that names an existing file, or that is no option, is the script. The output defaults to the
// script with the extension ".res". The language and the definitions are
// accepted; the scripts of this installation do not depend on them. Paths may
// use '\' for '/'.
//
// The one resource type is CORVANEPROJECT: a Corvane project with every
// medium it uses (see ProjectBundle). Its file is relative to the script's
// folder. The project's relative media paths are relative to the project that
// the environment variable CORVANE_PROJECT names (the project open in the
// authoring tool, of which the file is a copy), or else to the file itself.
//
// An output that exists is deleted first, so a failed compile leaves none.
class ResourceCompiler {
  public:
    // The exit status: 0 when the output was written, 1 (with a message on
    // standard error) when not, 2 for a wrong command line.
    static int Run(const std::vector<std::string>& arguments);
};
