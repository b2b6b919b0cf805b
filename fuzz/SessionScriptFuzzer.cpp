// libFuzzer target: any bytes given as a scripted session either become a
// list of checked commands or a SessionError naming the line, never a crash,
// a leak or undefined behaviour.
#include "app/SessionError.h"
#include "app/SessionScript.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        SessionScript::Parse(std::string(reinterpret_cast<const char*>(data), size), "fuzz.script");
    } catch (const SessionError&) {
    }
    return 0;
}
