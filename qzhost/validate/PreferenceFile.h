#ifndef QZHOST_VALIDATE_PREFERENCEFILE_H
#define QZHOST_VALIDATE_PREFERENCEFILE_H

/* What the validator expects of a preference file the plug-in wrote: pair
   lines ("key=value", a line feed after each) and nothing else. */

#include <string>

namespace PreferenceFile
{

/* The file the panel keeps its position in, in the preferences folder. */
extern const char* const kName;
extern const char* const kOptionsName;
extern const char* const kKeyX;
extern const char* const kKeyY;

/* The whole file's bytes, and whether it could be read. */
bool Read(const std::string& path, std::string& bytes);

/* "" when text is well formed, else the first problem, with the line. When
   withPosition, both position keys must be there with whole numbers. */
std::string Problem(const std::string& text, bool withPosition);

} // namespace PreferenceFile

#endif
