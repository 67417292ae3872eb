#ifndef TESTS_UNIT_STRINGS_STRING_TEST_UTIL_H
#define TESTS_UNIT_STRINGS_STRING_TEST_UTIL_H

#include <string>
#include <vector>

#include "strings/FCString.h"
#include "strings/FCStrings.h"
#include "support/HostVersionScope.h"

/* The code units of a string. */
inline std::vector<uint16_t> Units(const FCString& s)
{
    std::vector<uint16_t> units;
    for (uint64_t i = 0; i < s.GetLength(); ++i)
        units.push_back(s.GetItemAt(static_cast<int>(i)));
    return units;
}

/* The 8-bit text of a string (ASCII content in tests). */
inline std::string Text(const FCString& s)
{
    FCString copy(s);
    return copy.GetCString();
}

/* The texts of a list; "<null>" for a null entry. */
inline std::vector<std::string> Texts(const FCStrings* pList)
{
    std::vector<std::string> texts;
    for (int i = 0; pList && i < pList->GetCount(); ++i)
        texts.push_back(pList->GetItemAt(i) ? Text(*pList->GetItemAt(i)) : "<null>");
    return texts;
}

#endif
