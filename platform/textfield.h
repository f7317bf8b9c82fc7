// SPDX-License-Identifier: GPL-3.0-or-later
// The one rule by which every text file of Kivalto is read, one comma- or
// line-delimited field at a time, and the matching writing conventions.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

// Raised when a field is read while the position is already at the end.
class TextReadError : public std::runtime_error {
public:
    TextReadError() : std::runtime_error("read past end of file") {}
};

// A forward byte stream. get() returns the next byte (0..255) or -1 at end.
class CharSource {
public:
    virtual ~CharSource() = default;
    virtual int peek() = 0;
    virtual int get() = 0;
};

class StringCharSource final : public CharSource {
public:
    explicit StringCharSource(std::string_view data) : data_(data) {}
    int peek() override { return pos_ < data_.size() ? static_cast<unsigned char>(data_[pos_]) : -1; }
    int get() override { return pos_ < data_.size() ? static_cast<unsigned char>(data_[pos_++]) : -1; }
    std::size_t position() const { return pos_; }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

// Limits of the text files Kivalto reads. Its own files hold a few KiB at
// most (a value is a path or a switch, a list at most what a list control
// can hold), so anything beyond these is damage or an attack and is cut,
// with one notice to the user, rather than read into memory.
inline constexpr std::size_t kMaxTextFileBytes = 1024 * 1024;  // the part of a file that is read
inline constexpr std::size_t kMaxFieldBytes = 4096;            // a value or a line; the rest is dropped
inline constexpr std::size_t kMaxListEntries = 32767;          // entries of a list read from a file

// The notice for a file that was cut at one of these limits.
std::string oversizeNotice(std::string_view file);

// Reads fields: skip spaces and tabs; a double-quoted stretch is the field
// and the rest of the line up to the next comma or line end is skipped;
// otherwise the field runs to the next comma, CR, LF or end of file and
// loses its trailing spaces. CR LF counts as one line end.
class TextFieldReader {
public:
    explicit TextFieldReader(CharSource& source) : src_(source) {}

    bool atEnd() { return src_.peek() < 0; }
    // Throws TextReadError at end of file.
    std::string field();
    // Like field(), but reports the end of file by returning false.
    bool tryField(std::string& out);
    // Keeps at most `limit` bytes of each field read by field() and
    // tryField() from now on, dropping the rest of it; cut() tells whether
    // any field lost bytes.
    void setFieldLimit(std::size_t limit) { limit_ = limit; }
    bool cut() const { return cut_; }
    // Reads a field and stops as soon as `limit` characters are settled;
    // the rest of a longer field is left unread. A field that ends within
    // the limit is consumed with its delimiter, as field() does. Throws
    // TextReadError at end of file.
    std::string fieldPrefix(std::size_t limit);

private:
    void consumeLineEnd(int c);
    int skipBlanks();
    bool endsField(int c);
    void skipRestOfField();
    void keep(std::string& out, int c);
    CharSource& src_;
    std::size_t limit_ = static_cast<std::size_t>(-1);
    bool cut_ = false;
};

// Convenience: all fields of a buffer, in order.
std::vector<std::string> readAllFields(std::string_view data);

// The fields of a list file, at most kMaxListEntries of at most
// kMaxFieldBytes each; `cut` tells whether anything was left out.
struct FieldList {
    std::vector<std::string> fields;
    bool cut = false;
};
FieldList readFieldList(std::string_view data);

// Writer side of the conventions: values on lines of their own, CR LF.
class TextFileBuilder {
public:
    TextFileBuilder& line(std::string_view value);
    TextFileBuilder& truth(bool value);   // "True" / "False"
    TextFileBuilder& number(long value);  // " 7 " / "-1 "
    const std::string& bytes() const { return out_; }

private:
    std::string out_;
};

std::string truthText(bool value);
std::string numberText(long value);

// Reads "True"/"False" in any letter case, or a number (0 false, else true).
// Throws std::invalid_argument for anything else.
bool parseTruth(std::string_view text);
// Whole number with optional blanks around it; throws std::invalid_argument.
long parseNumber(std::string_view text);

std::string toUpper(std::string_view text);
std::string toLower(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// std::tolower and std::toupper of every byte, taken once for a run of
// comparisons (a folder listing, a look-up in a folder, a directory scan):
// the same results at a table's cost.
class CaseTable {
public:
    CaseTable();
    // The byte in lower case.
    char operator()(char c) const { return lower_[static_cast<unsigned char>(c)]; }
    char upper(char c) const { return upper_[static_cast<unsigned char>(c)]; }
    // equalsIgnoreCase, toLower.
    bool equal(std::string_view a, std::string_view b) const;
    std::string lower(std::string_view text) const;

private:
    std::array<char, 256> lower_;
    std::array<char, 256> upper_;
};

} // namespace kivalto
