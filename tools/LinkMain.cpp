#include "tools/Linker.h"

int main(int argc, char** argv) {
    return Linker::Run(std::vector<std::string>(argv + 1, argv + argc));
}
