#include "tools/OutputFile.h"

#include "tools/ResourceError.h"

#include <fstream>

namespace fs = std::filesystem;

void WriteOutputFile(const fs::path& output, const std::string& bytes, bool executable) {
    fs::path partial = output;
    partial += ".partial";
    std::error_code error;
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            fs::remove(partial, error);
            throw ResourceError("cannot write the output file \"" + output.string() + "\"");
        }
    }
    if (executable)
        fs::permissions(partial,
                        fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec,
                        error);
    fs::rename(partial, output, error);
    if (error) {
        fs::remove(partial, error);
        throw ResourceError("cannot write the output file \"" + output.string() + "\"");
    }
}
