/* Localised string tables (".strings" files) read by the Core Foundation
 * stand-in.
 *
 * Input: the file's bytes. */
#include <cstdint>
#include <map>
#include <string>

#include "FuzzCheck.h"
#include "platform/StringsTable.h"
#include "platform/UTF8.h"

namespace
{
/* The entry written back as a table: quoted, with the escapes the reader
   takes. */
std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::map<std::string, std::string> entries{{"sentinel", "kept"}};
    StringsTable::Error error;
    if (!StringsTable::Parse(bytes, entries, error)) {
        FUZZ_CHECK(error.line >= 1 && !error.reason.empty(), "a refusal names a line and a reason");
        FUZZ_CHECK(entries.size() == 1 && entries.count("sentinel"), "a refused table stores nothing");
        return 0;
    }
    std::string table;
    for (const auto& entry : entries) {
        FUZZ_CHECK(UTF8::IsWellFormed(entry.first) && UTF8::IsWellFormed(entry.second), "entries are UTF-8");
        FUZZ_CHECK(entry.first.find('\0') == std::string::npos, "keys hold no zero character");
        table += Quoted(entry.first) + " = " + Quoted(entry.second) + ";\n";
    }
    std::map<std::string, std::string> reread;
    FUZZ_CHECK(StringsTable::Parse(table, reread, error), "a written table is read");
    FUZZ_CHECK(reread == entries, "a written table reads back the same");
    return 0;
}
