#pragma once

#include "framework/String.h"

#include <string>

// Where the tool writes what it makes from its installation's files (the
// project copy, compiled resources and batch file of Generate EXE): the
// application folder itself when the user may write there, otherwise a
// per-user folder laid out like it, under the XDG cache folder
// ($XDG_CACHE_HOME/corvane/work/, ~/.cache/corvane/work/ by default). A
// root-owned installation is thus usable by every user.
class WorkFolder {
  public:
    // The path of a file relative to the work folder; the folder itself,
    // with its trailing '/', for an empty relative path. The per-user folder
    // is brought up to date on every call.
    static String GetPath(const String& relative = String());

    // Lays out work like app (both folders with a trailing '/'): every entry
    // of app appears in work as a link to it, except that obj/ is a folder of
    // its own whose entries link to app's, so that files written into it stay
    // in work; the files that the tool writes are never links. Links left
    // from another application folder are pointed at this one. False when
    // work cannot be made.
    static bool Mirror(const std::string& app, const std::string& work);
};
