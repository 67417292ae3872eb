#ifndef QZHOST_SCRIPTPARSER_H
#define QZHOST_SCRIPTPARSER_H

/* The command language of qzhost's scripts and terminal: one command per
   line, words separated by blanks, texts in double quotes (escapes \" \\ \n
   \r \t), "#" starting a comment outside quotes. Nothing here throws: every
   parser reports failure with a message that names the problem. */

#include <string>
#include <vector>

namespace qzscript
{

struct Word
{
    std::string text;
    bool quoted = false; /* written in double quotes */
};

struct Line
{
    int number = 0;          /* 1-based line number in its file */
    std::vector<Word> words; /* empty for blank and comment lines */
};

struct Error
{
    int line = 0;
    std::string message;
};

/* Splits one line into words. False, with the problem in error, for an
   unterminated text, an unknown escape or a quote glued to a word. */
bool ParseLine(const std::string& text, int number, Line& out, Error& error);

/* Splits a whole script; blank and comment lines are left out. Stops at the
   first malformed line. */
bool ParseScript(const std::string& text, std::vector<Line>& out, Error& error);

/* An inclusive range "A-B" or a single number "A"; both ends within
   [min, max] and A <= B. */
struct Range
{
    int first = 0;
    int last = 0;
};
bool ParseRange(const std::string& text, int min, int max, Range& out, std::string& error);

/* A decimal integer (a leading "-" allowed) within [min, max]; "0x" hex when
   hex is true. */
bool ParseInteger(const std::string& text, long long min, long long max, long long& out, std::string& error,
                  bool hex = false);

/* A comma-separated list of integers, each within [min, max]; "" is the
   empty list. Blanks around the numbers are allowed. */
bool ParseIntegerList(const std::string& text, long long min, long long max, std::vector<long long>& out,
                      std::string& error);

/* Writes a text the way the language quotes it. */
std::string Quote(const std::string& text);

} // namespace qzscript

#endif
