/* qzhost info MODULE: loads a plug-in module as the host does at start-up
   and prints what it answers: the version handshake, the initialisation
   flags, its menu entries (both record kinds) and its menu status. */

#include "qzhost/CommandRegistry.h"
#include "qzhost/ModuleHost.h"
#include "qzhost/RecordText.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <vector>

namespace
{

/* Stops a module that never ends its enumeration. */
constexpr int kMaxEntries = 1000;

const char* const kFieldLabels[FX_ENUM_TEXT_COUNT] = {"menu text:  ", "description:", "short name: "};

std::string Hex(uint32_t value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

void PrintEntries8(const PluginEntryPoints& entries, std::ostream& out)
{
    std::vector<unsigned char> record(FX_ENUM_RECORD_SIZE);
    int index = 0;
    for (; index < kMaxEntries; ++index) {
        std::fill(record.begin(), record.end(), 0);
        if (!entries.enumerate(nullptr, static_cast<int16_t>(index), record.data()))
            break;
        out << "entry " << index << ":\n";
        for (size_t f = 0; f < FX_ENUM_TEXT_COUNT; ++f)
            out << "  " << kFieldLabels[f] << " "
                << RecordText::FromBytes(&record[f * FX_ENUM_TEXT_BYTES], FX_ENUM_TEXT_BYTES) << "\n";
    }
    out << "entries: " << index << "\n";
}

void PrintEntriesUTF16(const PluginEntryPoints& entries, std::ostream& out)
{
    std::vector<unsigned char> record(FX_ENUM_UTF16_RECORD_SIZE);
    int index = 0;
    for (; index < kMaxEntries; ++index) {
        std::fill(record.begin(), record.end(), 0);
        if (!entries.enumerateUTF16(nullptr, static_cast<int16_t>(index), record.data()))
            break;
        out << "UTF-16 entry " << index << ":\n";
        for (size_t f = 0; f < FX_ENUM_TEXT_COUNT; ++f)
            out << "  " << kFieldLabels[f] << " "
                << RecordText::FromUTF16(&record[f * FX_ENUM_UTF16_FIELD_BYTES], FX_ENUM_UTF16_FIELD_UNITS) << "\n";
    }
    out << "UTF-16 entries: " << index << "\n";
}

int RunInfo(const CommandArgs& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: qzhost info MODULE\n";
        return kExitUsage;
    }
    ModuleHost host;
    host.LoadEngine(err);
    std::string error;
    if (!host.LoadPlugin(args[0], error)) {
        err << "qzhost: " << error << "\n";
        return kExitFailure;
    }
    const PluginEntryPoints& entries = host.Entries();
    out << "module: " << args[0] << "\n";
    out << "engine: " << (host.HasEngine() ? host.EngineFile() : "none") << "\n";

    char programName[] = "qzhost";
    char* argv[] = {programName, nullptr};
    out << "main: " << entries.main(1, argv) << "\n";
    out << "version " << Hex(FX_DEFAULT_HOST_VERSION, 8) << " answered "
        << Hex(entries.version(FX_DEFAULT_HOST_VERSION), 8) << "\n";
    uint8_t flags = 0;
    const int32_t initResult = entries.init(nullptr, &flags);
    out << "init: " << initResult << ", flags " << Hex(flags, 2) << "\n";
    PrintEntries8(entries, out);
    PrintEntriesUTF16(entries, out);
    out << "menu status: " << entries.getMenuStatus() << "\n";
    return kExitOK;
}

} // namespace

QZHOST_COMMAND(info, "info MODULE", "load a plug-in module and print its version, flags and menu entries", RunInfo);
