#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// The text in lower case, as words of a script are compared.
std::string ToLower(std::string text);

// Reads the words of one command in order; every complaint (an
// std::invalid_argument) names what was expected.
class WordReader {
  public:
    explicit WordReader(std::vector<std::string> words) : m_words(std::move(words)) {}

    bool AtEnd() const { return m_nNext >= m_words.size(); }
    const std::string& Peek() const { return m_words[m_nNext]; }

    std::string Next(const char* what);
    // A whole number from minimum up to the largest int.
    int NextInteger(const char* what, int minimum);
    // The value of the choice the word names (compared without letter case).
    template <class T>
    T NextChoice(const char* what, std::initializer_list<std::pair<const char*, T>> choices) {
        const std::string word = Next(what);
        const std::string lower = ToLower(word);
        std::string list;
        for (const auto& [choice, value] : choices) {
            if (lower == choice)
                return value;
            list += (list.empty() ? "" : "|") + std::string(choice);
        }
        throw std::invalid_argument(std::string(what) + " must be " + list + ", not \"" + word +
                                    "\"");
    }

    void ExpectEnd() const;

  private:
    std::vector<std::string> m_words;
    size_t m_nNext = 0;
};
