#pragma once

#include <string>

// What "&About Corvane..." says: the version, the libraries the tool runs on
// and the plug-in libraries loaded.
class AboutBox {
  public:
    static std::string Text();
};
