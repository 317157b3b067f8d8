#pragma once
// Layout of the built-in list file "lexaroo.bil", shared by the loader and the
// build-time generator (which is why this header needs only the standard library).
//
// The file is 70 fixed records of 315 bytes, without header. Record n (from 1)
// starts at byte (n - 1) * 315 and is 21 fields of 15 bytes: field 0 holds the
// list's name (for someone reading the file; the loader ignores it), fields
// 1..20 the words in order. A word shorter than its field is padded with
// spaces, so a word ends at the first space of its field.
#include <string>

namespace lexaroo {

constexpr int kBuiltInGrades = 7; // 0 = Kindergarten, then grades 1..6
constexpr int kBuiltInListsPerGrade = 10;
constexpr int kBuiltInRecordCount = kBuiltInGrades * kBuiltInListsPerGrade;
constexpr int kBuiltInWordsPerList = 20;
constexpr int kBuiltInFieldLength = 15;
constexpr int kBuiltInRecordLength = (kBuiltInWordsPerList + 1) * kBuiltInFieldLength;
static_assert(kBuiltInRecordLength == 315);

// Record number (from 1) of list 1..10 of grade 0..6.
constexpr int BuiltInRecordNumber(int grade, int list)
{
    return grade * kBuiltInListsPerGrade + list;
}

// "GKLIST10" for Kindergarten, "G4LIST7" for the seventh list of grade 4.
inline std::string BuiltInListName(int grade, int list)
{
    return (grade == 0 ? std::string("GK") : "G" + std::to_string(grade)) + "LIST"
        + std::to_string(list);
}

// A stored word: 1..15 capital letters, with an apostrophe or hyphen inside
// where the word needs one (CAN'T, X-RAY), starting and ending with a letter.
inline bool IsBuiltInWord(const std::string& word)
{
    if (word.empty() || word.size() > static_cast<std::size_t>(kBuiltInFieldLength))
        return false;
    auto letter = [](char c) { return c >= 'A' && c <= 'Z'; };
    if (!letter(word.front()) || !letter(word.back()))
        return false;
    for (const char c : word) {
        if (!letter(c) && c != '\'' && c != '-')
            return false;
    }
    return true;
}

} // namespace lexaroo
