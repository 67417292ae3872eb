/* qzhost info MODULE: loads a plug-in module as the host does at start-up
   and prints what it answers: the version handshake, the initialisation
   flags, its menu entries (both record kinds) and its menu status. */

#include "qzhost/CommandRegistry.h"
#include "qzhost/MenuEntries.h"
#include "qzhost/ModuleHost.h"

#include <cstdio>
#include <ostream>
#include <vector>

namespace
{

const char* const kFieldLabels[FX_ENUM_TEXT_COUNT] = {"menu text:  ", "description:", "short name: "};

std::string Hex(uint32_t value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

void PrintEntries(const std::vector<MenuEntries::Record>& records, const char* kind,
                  MenuEntries::Texts (*texts)(const MenuEntries::Record&), std::ostream& out)
{
    for (size_t index = 0; index < records.size(); ++index) {
        out << kind << "entry " << index << ":\n";
        const MenuEntries::Texts fields = texts(records[index]);
        for (size_t f = 0; f < FX_ENUM_TEXT_COUNT; ++f)
            out << "  " << kFieldLabels[f] << " " << fields[f] << "\n";
    }
    out << kind << "entries: " << records.size() << "\n";
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
    bool ended = false;
    PrintEntries(MenuEntries::Enumerate8(entries, 0, ended), "", &MenuEntries::Texts8, out);
    PrintEntries(MenuEntries::EnumerateUTF16(entries, 0, ended), "UTF-16 ", &MenuEntries::TextsUTF16, out);
    out << "menu status: " << entries.getMenuStatus() << "\n";
    return kExitOK;
}

} // namespace

QZHOST_COMMAND(info, "info MODULE", "load a plug-in module and print its version, flags and menu entries", RunInfo);
