#ifndef QZHOST_MENUENTRIES_H
#define QZHOST_MENUENTRIES_H

/* The plug-in's menu entries as its two enumeration entry points give them:
   index 0, 1, ... until the plug-in answers 0. `qzhost info` prints them,
   the validator checks them. */

#include "qzhost/ModuleHost.h"

#include <array>
#include <string>
#include <vector>

namespace MenuEntries
{

/* Stops a module that never ends its enumeration. */
constexpr int kMaxEntries = 1000;
/* Bytes after each record that a plug-in must leave alone. */
constexpr size_t kGuardBytes = 64;

/* One filled record and the bytes after it (kGuardBytes), as the plug-in
   left them. */
struct Record
{
    std::vector<unsigned char> bytes;
    size_t size = 0; /* of the record itself */
};

using Texts = std::array<std::string, FX_ENUM_TEXT_COUNT>;

/* Every record filled, each given to the plug-in with all its bytes (and
   the guard) set to fill; `ended` is false when the plug-in was still
   answering at kMaxEntries. */
std::vector<Record> Enumerate8(const PluginEntryPoints& entries, unsigned char fill, bool& ended);
std::vector<Record> EnumerateUTF16(const PluginEntryPoints& entries, unsigned char fill, bool& ended);

/* The three texts of a record (menu text, description, short name). */
Texts Texts8(const Record& record);
Texts TextsUTF16(const Record& record);

} // namespace MenuEntries

#endif
