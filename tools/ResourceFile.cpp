#include "tools/ResourceFile.h"

#include "tools/ResourceError.h"

#include <cstdint>

namespace {

constexpr std::string_view kFileMagic = "CVRES001";
constexpr std::string_view kTrailerMagic = "CVVIEWER";
constexpr size_t kTrailerSize = 32;

void PutNumber(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t GetNumber(std::string_view bytes, size_t at, int count) {
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i)
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

std::uint64_t Hash(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

// Reads the parts of a ".res" file in order, refusing to run past its end.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    std::uint64_t Number(int count, const char* what) {
        Need(static_cast<std::uint64_t>(count), what);
        std::uint64_t value = GetNumber(m_bytes, m_at, count);
        m_at += static_cast<size_t>(count);
        return value;
    }
    std::string Bytes(std::uint64_t count, const char* what) {
        Need(count, what);
        std::string value(m_bytes.substr(m_at, static_cast<size_t>(count)));
        m_at += static_cast<size_t>(count);
        return value;
    }
    bool AtEnd() const { return m_at == m_bytes.size(); }

  private:
    void Need(std::uint64_t count, const char* what) const {
        if (count > m_bytes.size() - m_at)
            throw ResourceError(std::string("the resources end in the middle of ") + what);
    }

    std::string_view m_bytes;
    size_t m_at = 0;
};

} // namespace

std::string ResourceFile::Serialize(const std::vector<Entry>& entries) {
    std::string out(kFileMagic);
    PutNumber(out, entries.size(), 4);
    for (const Entry& entry : entries) {
        PutNumber(out, entry.name.size(), 4);
        out += entry.name;
        PutNumber(out, entry.data.size(), 8);
        out += entry.data;
    }
    return out;
}

std::vector<ResourceFile::Entry> ResourceFile::Parse(std::string_view bytes) {
    if (bytes.substr(0, kFileMagic.size()) != kFileMagic)
        throw ResourceError("they are not compiled resources");
    Reader reader(bytes.substr(kFileMagic.size()));
    std::uint64_t count = reader.Number(4, "the entry count");
    std::vector<Entry> entries;
    for (std::uint64_t i = 0; i < count; ++i) {
        Entry entry;
        entry.name = reader.Bytes(reader.Number(4, "a name"), "a name");
        entry.data = reader.Bytes(reader.Number(8, "an entry"), "an entry");
        entries.push_back(std::move(entry));
    }
    if (!reader.AtEnd())
        throw ResourceError("the resources are followed by bytes that belong to none of them");
    return entries;
}

std::string ResourceFile::Attach(std::string_view program, std::string_view resources) {
    std::string out(program);
    out += resources;
    PutNumber(out, program.size(), 8);
    PutNumber(out, resources.size(), 8);
    PutNumber(out, Hash(resources), 8);
    out += kTrailerMagic;
    return out;
}

std::string_view ResourceFile::Attached(std::string_view executable) {
    if (executable.size() < kTrailerSize ||
        executable.substr(executable.size() - kTrailerMagic.size()) != kTrailerMagic)
        throw ResourceError("the program carries no resources");
    size_t trailer = executable.size() - kTrailerSize;
    std::uint64_t offset = GetNumber(executable, trailer, 8);
    std::uint64_t size = GetNumber(executable, trailer + 8, 8);
    if (offset > trailer || size != trailer - offset)
        throw ResourceError("the resources are cut short");
    std::string_view resources =
        executable.substr(static_cast<size_t>(offset), static_cast<size_t>(size));
    if (Hash(resources) != GetNumber(executable, trailer + 16, 8))
        throw ResourceError("the resources have been changed or damaged");
    return resources;
}
