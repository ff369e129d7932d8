// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the spelling dictionary "spell.dat" from plain word lists (one word
// a line), such as /usr/share/dict/american-english of the Debian package
// wamerican and the program's own tools/extra-words.txt. Lines starting with
// "#" are comments.
//
// Kept: words of 1 to 18 ASCII letters, and the stems of the contractions in
// "n't" ("doesn" of "doesn't"): the Spelling Profiler checks the letters
// before an apostrophe on their own. They are sorted by their upper-case
// form (byte order), and words that differ only in case are stored once,
// preferring the all lower-case form ("paris" over "Paris"), otherwise the
// form with the most lower-case letters. Each word becomes one 22-byte record:
// tag 8 and the length as little-endian 16-bit numbers, the word, zero filler.
//
// Usage: mkspell <word list>... <spell.dat>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

namespace {
constexpr int kRecordSize = 22;
constexpr int kMaxWord = 18;

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool keep(const std::string &w)
{
    return !w.empty() && w.size() <= kMaxWord && std::all_of(w.begin(), w.end(), isAsciiLetter);
}

// "doesn't" -> "doesn"; anything else -> itself.
std::string contractionStem(const std::string &w)
{
    const std::string tail = "n't";
    if (w.size() > tail.size() && w.compare(w.size() - tail.size(), tail.size(), tail) == 0)
        return w.substr(0, w.size() - 2);
    return w;
}

std::string upper(std::string w)
{
    for (char &c : w)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return w;
}

int lowerCount(const std::string &w)
{
    return int(std::count_if(w.begin(), w.end(), [](char c) { return c >= 'a' && c <= 'z'; }));
}

// Which of two spellings of one word to store.
bool better(const std::string &candidate, const std::string &current)
{
    const int a = lowerCount(candidate), b = lowerCount(current);
    return a != b ? a > b : candidate > current;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::cerr << "usage: mkspell <word list>... <spell.dat>\n";
        return 2;
    }
    const std::string output = argv[argc - 1];

    // Upper-case form -> stored form; the map keeps them sorted by byte order.
    std::map<std::string, std::string> words;
    for (int arg = 1; arg < argc - 1; ++arg) {
        const std::string input = argv[arg];
        std::ifstream in(input, std::ios::binary);
        if (!in) {
            std::cerr << "mkspell: cannot read the word list " << input << ": " << std::strerror(errno)
                      << "\n(on Debian the main one comes with the package wamerican: tools/install-deps.sh "
                         "installs it)\n";
            return 1;
        }
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty() && line.front() == '#')
                continue;
            line = contractionStem(line);
            if (!keep(line))
                continue;
            auto [it, inserted] = words.emplace(upper(line), line);
            if (!inserted && better(line, it->second))
                it->second = line;
        }
        if (in.bad()) {
            std::cerr << "mkspell: error reading " << input << "\n";
            return 1;
        }
    }

    // Write beside the target and rename, so a failed run leaves no half file.
    const std::string temp = output + ".tmp";
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
        std::cerr << "mkspell: cannot write " << temp << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    for (const auto &entry : words) {
        const std::string &w = entry.second;
        char rec[kRecordSize] = {};
        rec[0] = 8;
        rec[2] = char(w.size() & 0xff);
        rec[3] = char((w.size() >> 8) & 0xff);
        std::memcpy(rec + 4, w.data(), w.size());
        out.write(rec, kRecordSize);
    }
    out.close();
    if (!out) {
        std::cerr << "mkspell: error writing " << temp << "\n";
        std::remove(temp.c_str());
        return 1;
    }
    if (std::rename(temp.c_str(), output.c_str()) != 0) {
        std::cerr << "mkspell: cannot replace " << output << ": " << std::strerror(errno) << "\n";
        std::remove(temp.c_str());
        return 1;
    }
    std::cout << "mkspell: " << words.size() << " words written to " << output << "\n";
    return 0;
}
