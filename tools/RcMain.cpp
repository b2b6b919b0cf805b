#include "tools/ResourceCompiler.h"

int main(int argc, char** argv) {
    return ResourceCompiler::Run(std::vector<std::string>(argv + 1, argv + argc));
}
