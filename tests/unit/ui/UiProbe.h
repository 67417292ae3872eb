#ifndef TESTS_UNIT_UI_UIPROBE_H
#define TESTS_UNIT_UI_UIPROBE_H

#include <string>

/* Element details the driver interface does not report, read from the
 * platform's own elements; each bridge's test program defines them. */
std::string ProbeKeyEquivalent(int window, int tag);
int ProbeTickMarks(int window, int tag);

#endif
