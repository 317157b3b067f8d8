// Builds the built-in list file "lexaroo.bil" from its readable source
// (assets/lists/builtin-lists.txt; the format is described at its top).
// Every rule the program relies on is checked here, so a bad edit of the
// source fails the build with the line to fix instead of shipping a bad file.
//
//     lexaroo_make_bil SOURCE OUTPUT
#include "BuiltInFormat.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace lexaroo;

namespace {

struct SourceList {
    int line = 0; // where its header is; 0 = not in the source
    std::vector<std::string> words;
};

std::string Trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// "K" -> 0, "1".."6" -> 1..6, else -1.
int ParseGrade(const std::string& s)
{
    if (s == "K")
        return 0;
    if (s.size() == 1 && s[0] >= '1' && s[0] <= '6')
        return s[0] - '0';
    return -1;
}

int ParseListNumber(const std::string& s)
{
    if (s.empty() || s.size() > 2 || s.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const int n = std::stoi(s);
    return n >= 1 && n <= kBuiltInListsPerGrade ? n : -1;
}

void Pad(std::string& out, const std::string& text)
{
    out += text;
    out.append(kBuiltInFieldLength - text.size(), ' ');
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: lexaroo_make_bil SOURCE OUTPUT\n";
        return 2;
    }
    const std::string sourcePath = argv[1];
    const std::filesystem::path outputPath = argv[2];
    std::ifstream source(sourcePath);
    if (!source) {
        std::cerr << sourcePath << ": cannot be read\n";
        return 1;
    }

    std::array<SourceList, kBuiltInRecordCount + 1> lists;
    int errors = 0;
    auto error = [&](int line, const std::string& what) {
        std::cerr << sourcePath;
        if (line > 0)
            std::cerr << ':' << line;
        std::cerr << ": " << what << '\n';
        ++errors;
    };

    int current = 0; // record of the list being filled
    std::string text;
    for (int lineNo = 1; std::getline(source, text); ++lineNo) {
        const std::string line = Trim(text);
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream tokens(line);
        std::string first;
        tokens >> first;
        if (first == "list") {
            std::string gradeText, numberText;
            tokens >> gradeText >> numberText;
            const int grade = ParseGrade(gradeText);
            const int number = ParseListNumber(numberText);
            current = 0;
            if (grade < 0 || number < 0) {
                error(lineNo, "a list header is \"list <K or 1..6> <1..10> <title>\"");
                continue;
            }
            std::string title;
            std::getline(tokens, title);
            if (Trim(title).empty())
                error(lineNo, "the list has no title");
            const int record = BuiltInRecordNumber(grade, number);
            if (lists[record].line != 0) {
                error(lineNo, BuiltInListName(grade, number) + " was already given on line "
                                  + std::to_string(lists[record].line));
                continue;
            }
            lists[record].line = lineNo;
            current = record;
            continue;
        }
        if (current == 0) {
            error(lineNo, "words outside a list");
            continue;
        }
        SourceList& list = lists[current];
        std::istringstream words(line);
        for (std::string word; words >> word;) {
            if (!IsBuiltInWord(word)) {
                error(lineNo, "\"" + word
                                  + "\" is not a stored word (1 to 15 capital letters, an "
                                    "apostrophe or hyphen only between letters)");
            } else if (std::find(list.words.begin(), list.words.end(), word)
                       != list.words.end()) {
                error(lineNo, "\"" + word + "\" is already in this list");
            }
            list.words.push_back(word);
        }
    }

    for (int grade = 0; grade < kBuiltInGrades; ++grade) {
        for (int number = 1; number <= kBuiltInListsPerGrade; ++number) {
            const SourceList& list = lists[BuiltInRecordNumber(grade, number)];
            if (list.line == 0) {
                error(0, BuiltInListName(grade, number) + " is missing");
            } else if (list.words.size() != static_cast<std::size_t>(kBuiltInWordsPerList)) {
                error(list.line, BuiltInListName(grade, number) + " has "
                                     + std::to_string(list.words.size()) + " words, not "
                                     + std::to_string(kBuiltInWordsPerList));
            }
        }
    }
    if (errors != 0) {
        std::cerr << sourcePath << ": " << errors << " error(s); " << outputPath.string()
                  << " not written\n";
        return 1;
    }

    std::string bytes;
    bytes.reserve(kBuiltInRecordCount * kBuiltInRecordLength);
    for (int grade = 0; grade < kBuiltInGrades; ++grade) {
        for (int number = 1; number <= kBuiltInListsPerGrade; ++number) {
            Pad(bytes, BuiltInListName(grade, number));
            for (const std::string& word : lists[BuiltInRecordNumber(grade, number)].words)
                Pad(bytes, word);
        }
    }

    // Written beside the target and renamed, so an interrupted build never
    // leaves a short file that looks up to date.
    std::filesystem::path temporary = outputPath;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::cerr << temporary.string() << ": cannot be written\n";
            return 1;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, outputPath, ec);
    if (ec) {
        std::cerr << outputPath.string() << ": " << ec.message() << '\n';
        return 1;
    }
    return 0;
}
