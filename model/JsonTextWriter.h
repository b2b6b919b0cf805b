#pragma once

#include <string>
#include <string_view>
#include <vector>

// Writes JSON text as it goes, laid out as nlohmann's dump(2) lays out a
// tree: two blanks of indentation a level, "{}" and "[]" for empty
// containers, numbers as the library prints them. Building a tree of tens of
// thousands of values only to print it cost several times the printing.
// Fields are written in the order given; the caller writes each name once.
class JsonTextWriter {
  public:
    JsonTextWriter() = default;
    // A writer of one value `depth` levels down, whose text goes into a
    // larger one through Raw.
    explicit JsonTextWriter(size_t depth) : m_empty(depth, false), m_bAfterName(true) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The name of the next value of the open object.
    void Name(std::string_view name);
    void Text(std::string_view text);
    void Integer(long long number);
    void Number(double number);
    // Room for about this much text, so that text of megabytes is not moved
    // again and again as it grows.
    void Reserve(size_t size) { m_text.reserve(size); }
    // A value that a writer of its depth wrote.
    void Raw(std::string_view value);

    // The text so far, leaving the writer empty.
    std::string Take();

  private:
    // Starts a value: the separator and indentation inside a list.
    void BeginValue();
    void Indent();
    void End(char close);
    void AppendEscaped(std::string_view text);

    std::string m_text;
    std::vector<bool> m_empty; // per open container: nothing written in it yet
    bool m_bAfterName = false;
};
