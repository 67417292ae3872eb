#ifndef TESTS_UNIT_UI_UIPROBE_H
#define TESTS_UNIT_UI_UIPROBE_H

#include <string>

/* Element details the driver interface does not report, read from the
 * platform's own elements; each bridge's test program defines them. */
std::string ProbeKeyEquivalent(int window, int tag);
int ProbeTickMarks(int window, int tag);

/* An outline's columns and the tree it shows (columns -1: no outline). */
struct OutlineProbe
{
    int columns = -1;
    std::string firstIdentifier;
    bool firstEditable = true;
    bool hasHeader = true;
    const void* pTree = nullptr;
};
OutlineProbe ProbeOutline(int window, int tag);

#endif
