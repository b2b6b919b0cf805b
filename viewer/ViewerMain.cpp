#include "viewer/Viewer.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <stdexcept>

int main(int argc, char** argv) {
    ViewerOptions options;
    try {
        options = ViewerOptions::Parse(argc, argv);
    } catch (const std::invalid_argument& error) {
        std::cerr << "viewer: " << error.what() << '\n' << ViewerOptions::Usage();
        return 2;
    }
    if (options.bHelp) {
        std::cout << ViewerOptions::Usage();
        return 0;
    }
    // Must be set before the QApplication exists: it picks its platform then.
    if (options.bOffscreen)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    return Viewer(std::move(options)).Run();
}
