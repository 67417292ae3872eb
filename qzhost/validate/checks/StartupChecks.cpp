/* Level 1: what the host meets before the plug-in's menu entry is picked.
   The module's file is read for its dynamic symbols (the entry points with
   C linkage, no host function left for the loader to bind), then the module
   is loaded next to the engine as the host loads it, and its start-up calls
   are checked: the version handshake, the initialisation flags, both kinds
   of enumeration record and the menu status. */

#include "qzhost/MenuEntries.h"
#include "qzhost/ModuleHost.h"
#include "qzhost/session/HostEngine.h"
#include "qzhost/validate/ModuleSymbolTable.h"
#include "qzhost/validate/ValidationChecks.h"

#include "hostlink/fx_host_abi.h"
#include "records/FCRecordField.h"

#include <cstdio>
#include <cstring>
#include <sstream>
#include <sys/stat.h>

namespace
{

/* The host's entry points: the module cannot be used without them. */
const char* const kEntryPoints[] = {
    "main",
    "FinaleExtensionVersion",
    "FinaleExtensionInit",
    "FinaleExtensionEnumerate",
    "FinaleExtensionEnumerate_UTF16",
    "FinaleExtensionGetMenuStatus",
    "FinaleExtensionInvoke",
    "FinaleExtensionTerminate",
};
/* The aliases a host may call instead. */
const char* const kAliases[] = {
    "Ext_getversion",    "Ext_init",   "Ext_enumerate", "Ext_enumerate_UTF16",
    "Ext_getmenustatus", "Ext_invoke", "Ext_terminate",
};
/* A harmless host function, answered by the engine without a document. */
const char* const kProbeFunction = "FX_GetMaxLayers";
using ProbeProc = int16_t (*)(uint32_t);

constexpr unsigned char kFill = 0xA5;
const FCRecordField<int32_t> kTail8(FX_ENUM_TAIL_OFFSET);
const FCRecordField<int32_t> kTailUTF16(FX_ENUM_UTF16_TAIL_OFFSET);
const FCRecordField<uint16_t> kUnit(0);

std::string Hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

CheckResult Result(const char* name, const std::string& problem, const std::string& summary)
{
    CheckResult result;
    result.name = name;
    result.passed = problem.empty();
    result.detail = problem.empty() ? summary : problem;
    return result;
}

void Add(std::string& problems, const std::string& problem) { problems += (problems.empty() ? "" : "; ") + problem; }

/* A C++ definition of name (a mangled symbol holding it), or "". */
std::string MangledDefinition(const ModuleSymbolTable& table, const std::string& name)
{
    for (const ModuleSymbol& symbol : table.Symbols())
        if (symbol.defined && symbol.name.compare(0, 2, "_Z") == 0 && symbol.name.find(name) != std::string::npos)
            return symbol.name;
    return "";
}

std::string MissingExport(const ModuleSymbolTable& table, const char* name)
{
    if (table.Find(name))
        return "";
    const std::string mangled = MangledDefinition(table, name);
    return mangled.empty() ? std::string(name) + " is not exported"
                           : std::string(name) + " has C++ linkage (" + mangled + "), not C linkage";
}

CheckResult CheckExports(const ModuleSymbolTable& table)
{
    std::string problems;
    bool entryMissing = false;
    size_t found = 0;
    for (const char* name : kEntryPoints)
        found += table.Find(name) ? 1 : 0;
    if (found == 0) {
        CheckResult result =
            Result("entry points with C linkage", "not a plug-in: none of the host's entry points is exported", "");
        result.fatal = true;
        return result;
    }
    for (const char* name : kEntryPoints) {
        const std::string missing = MissingExport(table, name);
        entryMissing = entryMissing || !missing.empty();
        if (!missing.empty())
            Add(problems, missing);
    }
    for (const char* name : kAliases) {
        const std::string missing = MissingExport(table, name);
        if (!missing.empty())
            Add(problems, missing);
    }
    CheckResult result = Result("entry points with C linkage", problems,
                                std::to_string(std::size(kEntryPoints) + std::size(kAliases)) + " exported");
    result.fatal = entryMissing;
    return result;
}

/* Host functions go through the module's bridge, which looks each one up in
   the engine by name. A host function the module imports instead would be
   bound by the loader, to whatever definition it finds first: the module's
   own forwarder of that name, or nothing. */
std::string ImportedHostFunctions(const ModuleSymbolTable& table, size_t& forwarders)
{
    std::string imported;
    forwarders = 0;
    for (const ModuleSymbol& symbol : table.Symbols()) {
        if (symbol.name.compare(0, 3, "FX_") != 0)
            continue;
        if (symbol.defined)
            ++forwarders;
        else
            imported += (imported.empty() ? "" : ", ") + symbol.name;
    }
    return imported;
}

/* One host function called through the module must reach the engine once:
   a forwarder bound to the module itself would never arrive there. */
std::string ProbeForwarder(const ModuleHost& modules)
{
    using CallCountProc = size_t (*)(const char*);
    auto forwarder = reinterpret_cast<ProbeProc>(modules.PluginSymbol(kProbeFunction));
    auto direct = reinterpret_cast<ProbeProc>(modules.EngineSymbol(kProbeFunction));
    auto callCount = reinterpret_cast<CallCountProc>(modules.EngineSymbol("hostsim_call_count"));
    if (!forwarder || !direct || !callCount)
        return "";
    const int16_t expected = direct(FX_DEFAULT_HOST_VERSION);
    const size_t before = callCount(kProbeFunction);
    const int16_t answer = forwarder(FX_DEFAULT_HOST_VERSION);
    const size_t calls = callCount(kProbeFunction) - before;
    if (calls != 1 || answer != expected)
        return std::string("the module's ") + kProbeFunction + " reached the engine " + std::to_string(calls) +
               " time(s) and answered " + std::to_string(answer) + " (the engine answers " + std::to_string(expected) +
               ")";
    return "";
}

/* Host functions that take nothing but the interface version. A forwarder
   of one the engine lacks must answer as a refusal (zero): any other answer
   came from a definition found elsewhere, and one that finds itself never
   returns. Other signatures are not called. */
template <typename Function>
struct VersionOnlyProbe
{
    static void Run(const ModuleHost&, const char*, std::string&, int&) {}
};

template <typename Result>
struct VersionOnlyProbe<Result(uint32_t)>
{
    static void Run(const ModuleHost& modules, const char* name, std::string& problems, int& probed)
    {
        auto forwarder = reinterpret_cast<Result (*)(uint32_t)>(modules.PluginSymbol(name));
        if (!forwarder || modules.EngineSymbol(name))
            return;
        ++probed;
        const Result answer = forwarder(FX_DEFAULT_HOST_VERSION);
        if (answer != Result{})
            Add(problems, std::string(name) + " answered " + std::to_string(static_cast<long long>(answer)) +
                              " though the engine lacks it");
    }
};

std::string ProbeMissingFunctions(const ModuleHost& modules, int& probed)
{
    std::string problems;
    probed = 0;
#define QZVALIDATE_PROBE(result, name, params, args, confirmed) \
    VersionOnlyProbe<result params>::Run(modules, #name, problems, probed);
    FX_HOST_FUNCTIONS(QZVALIDATE_PROBE)
#undef QZVALIDATE_PROBE
    return problems;
}

CheckResult CheckHostFunctions(const ModuleSymbolTable& table, const ModuleHost& modules)
{
    size_t forwarders = 0;
    std::string problems;
    const std::string imported = ImportedHostFunctions(table, forwarders);
    if (!imported.empty())
        Add(problems, "host functions left for the loader to bind: " + imported);
    Add(problems, ProbeForwarder(modules));
    int probed = 0;
    Add(problems, ProbeMissingFunctions(modules, probed));
    return Result("host functions reach the engine", problems,
                  std::to_string(forwarders) + " forwarders, none bound by the loader; " + std::to_string(probed) +
                      " the engine lacks answer as refused");
}

template <typename Proc>
Proc Alias(const ModuleHost& modules, const char* name)
{
    return reinterpret_cast<Proc>(modules.PluginSymbol(name));
}

CheckResult CheckHandshake(const ModuleHost& modules)
{
    const PluginEntryPoints& entries = modules.Entries();
    std::string problems;
    char programName[] = "qzhost";
    char* argv[] = {programName, nullptr};
    const int started = entries.main(1, argv);
    if (started != 1)
        Add(problems, "main answered " + std::to_string(started) + " with the engine present (1 expected)");
    const auto* bundle = static_cast<void* const*>(modules.PluginSymbol("gFinaleBundle"));
    if (bundle && !*bundle)
        Add(problems, "main found no engine bundle (gFinaleBundle is null)");
    const uint32_t answer = entries.version(FX_DEFAULT_HOST_VERSION);
    if (answer != FX_EXTENSION_VERSION_ANSWER)
        Add(problems, "FinaleExtensionVersion(" + Hex(FX_DEFAULT_HOST_VERSION) + ") answered " + Hex(answer) + " (" +
                          Hex(FX_EXTENSION_VERSION_ANSWER) + " expected)");
    if (auto alias = Alias<FX_VersionProc>(modules, "Ext_getversion"))
        if (alias(FX_DEFAULT_HOST_VERSION) != answer)
            Add(problems, "Ext_getversion answers differently from FinaleExtensionVersion");
    return Result("version handshake", problems, "main 1, version " + Hex(answer));
}

/* Bit 0 of the flag byte set, the host's other bits left as they were. */
std::string CheckFlags(FX_InitProc init, const char* name)
{
    std::string problems;
    for (uint8_t given : {uint8_t{0x00}, uint8_t{0xF0}}) {
        uint8_t flags = given;
        const int32_t answer = init(nullptr, &flags);
        if (answer != 1 || flags != (given | 1))
            Add(problems, std::string(name) + " with flags " + Hex(given) + " answered " + std::to_string(answer) +
                              " and left flags " + Hex(flags) + " (1 and " + Hex(given | 1u) + " expected)");
    }
    return problems;
}

CheckResult CheckInit(const ModuleHost& modules)
{
    std::string problems = CheckFlags(modules.Entries().init, "FinaleExtensionInit");
    if (auto alias = Alias<FX_InitProc>(modules, "Ext_init"))
        Add(problems, CheckFlags(alias, "Ext_init"));
    return Result("initialisation flags", problems, "bit 0 set, other bits kept");
}

bool GuardIntact(const MenuEntries::Record& record)
{
    for (size_t i = record.size; i < record.bytes.size(); ++i)
        if (record.bytes[i] != kFill)
            return false;
    return true;
}

/* What is wrong with one record: a text without its terminator, the tail
   not written, bytes written past the record, no menu text. */
std::string RecordProblems(const MenuEntries::Record& record, bool utf16, size_t index)
{
    std::string problems;
    const std::string which = std::string(utf16 ? "UTF-16 entry " : "entry ") + std::to_string(index);
    for (size_t f = 0; f < FX_ENUM_TEXT_COUNT; ++f) {
        bool terminated = false;
        if (utf16) {
            const unsigned char* field = &record.bytes[f * FX_ENUM_UTF16_FIELD_BYTES];
            for (size_t u = 0; u < FX_ENUM_UTF16_TEXT_LIMIT && !terminated; ++u)
                terminated = kUnit.Read(field + 2 * u, 2) == 0;
        }
        else {
            terminated = std::memchr(&record.bytes[f * FX_ENUM_TEXT_BYTES], 0, FX_ENUM_TEXT_BYTES) != nullptr;
        }
        if (!terminated)
            Add(problems, which + " field " + std::to_string(f) + " has no terminator within " +
                              std::to_string(utf16 ? FX_ENUM_UTF16_TEXT_LIMIT : FX_ENUM_TEXT_BYTES) +
                              (utf16 ? " code units" : " bytes"));
    }
    const int32_t tail = (utf16 ? kTailUTF16 : kTail8).Read(record.bytes.data(), record.size);
    if (tail != 0)
        Add(problems, which + " trailing field is " + Hex(static_cast<uint32_t>(tail)) + " (0 expected)");
    if (!GuardIntact(record))
        Add(problems, which + " was written past its " + std::to_string(record.size) + " bytes");
    const MenuEntries::Texts texts = utf16 ? MenuEntries::TextsUTF16(record) : MenuEntries::Texts8(record);
    if (texts[0].empty())
        Add(problems, which + " has no menu text");
    return problems;
}

std::string SameRecords(const std::vector<MenuEntries::Record>& mine, const std::vector<MenuEntries::Record>& alias,
                        const char* aliasName)
{
    if (mine.size() != alias.size())
        return std::string(aliasName) + " gives " + std::to_string(alias.size()) + " entries, not " +
               std::to_string(mine.size());
    for (size_t i = 0; i < mine.size(); ++i)
        if (mine[i].bytes != alias[i].bytes)
            return std::string(aliasName) + " fills entry " + std::to_string(i) + " differently";
    return "";
}

CheckResult CheckRecords(const ModuleHost& modules, bool utf16)
{
    const PluginEntryPoints& entries = modules.Entries();
    bool ended = false;
    const auto records =
        utf16 ? MenuEntries::EnumerateUTF16(entries, kFill, ended) : MenuEntries::Enumerate8(entries, kFill, ended);
    std::string problems;
    if (!ended)
        Add(problems,
            "the enumeration never ends (still answering at index " + std::to_string(MenuEntries::kMaxEntries) + ")");
    if (records.empty())
        Add(problems, "no menu entry");
    for (size_t i = 0; i < records.size() && i < 8; ++i)
        Add(problems, RecordProblems(records[i], utf16, i));

    PluginEntryPoints aliases;
    aliases.enumerate = Alias<FX_EnumerateProc>(modules, "Ext_enumerate");
    aliases.enumerateUTF16 = Alias<FX_EnumerateUTF16Proc>(modules, "Ext_enumerate_UTF16");
    if (utf16 ? aliases.enumerateUTF16 != nullptr : aliases.enumerate != nullptr) {
        const auto viaAlias =
            utf16 ? MenuEntries::EnumerateUTF16(aliases, kFill, ended) : MenuEntries::Enumerate8(aliases, kFill, ended);
        Add(problems, SameRecords(records, viaAlias, utf16 ? "Ext_enumerate_UTF16" : "Ext_enumerate"));
    }
    if (utf16) {
        const auto narrow = MenuEntries::Enumerate8(entries, kFill, ended);
        for (size_t i = 0; i < records.size() && i < narrow.size(); ++i)
            if (MenuEntries::TextsUTF16(records[i]) != MenuEntries::Texts8(narrow[i]))
                Add(problems, "UTF-16 entry " + std::to_string(i) + " has other texts than the 8-bit entry");
        if (records.size() != narrow.size())
            Add(problems, std::to_string(records.size()) + " UTF-16 entries but " + std::to_string(narrow.size()) +
                              " 8-bit entries");
    }
    const MenuEntries::Texts first = records.empty() ? MenuEntries::Texts()
                                     : utf16         ? MenuEntries::TextsUTF16(records[0])
                                                     : MenuEntries::Texts8(records[0]);
    const std::string summary = std::to_string(records.size()) + " entr" + (records.size() == 1 ? "y" : "ies") +
                                (records.empty() ? "" : ", \"" + first[0] + "\"");
    return Result(utf16 ? "enumeration records (UTF-16)" : "enumeration records (8-bit)", problems, summary);
}

CheckResult CheckMenuStatus(const ModuleHost& modules)
{
    std::string problems;
    const int32_t status = modules.Entries().getMenuStatus();
    if (status != 1)
        Add(problems, "FinaleExtensionGetMenuStatus answered " + std::to_string(status) + " (1: enabled, expected)");
    if (auto alias = Alias<FX_GetMenuStatusProc>(modules, "Ext_getmenustatus"))
        if (alias() != status)
            Add(problems, "Ext_getmenustatus answers differently");
    return Result("menu status", problems, "enabled");
}

CheckResult Unusable(const char* name, const std::string& problem)
{
    CheckResult result = Result(name, problem, "");
    result.fatal = true;
    return result;
}

void RunStartupChecks(const ValidationContext& context, CheckReporter& report)
{
    struct stat info
    {};
    if (stat(context.module.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        report.Report(Unusable("module file", "no such file: " + context.module));
        return;
    }
    ModuleSymbolTable table;
    std::string error;
    if (!table.Read(context.module, error)) {
        report.Report(Unusable("module file", "not a plug-in module: " + error));
        return;
    }
    report.Report(Result("module file", "", std::to_string(table.Symbols().size()) + " dynamic symbols"));
    const CheckResult exports = CheckExports(table);
    report.Report(exports);
    if (exports.fatal)
        return;

    ModuleHost modules;
    std::ostringstream diagnostics;
    HostEngine engine;
    std::string missing;
    if (!modules.LoadEngine(diagnostics) || !engine.Resolve(modules, missing)) {
        report.Report(Unusable("host engine", "the host engine cannot be loaded: " + diagnostics.str() + missing));
        return;
    }
    engine.hostsim_reset();
    engine.hostsim_set_main_thread();
    if (!modules.LoadPlugin(context.module, error)) {
        report.Report(Unusable("module loads", error));
        return;
    }
    report.Report(CheckHandshake(modules));
    report.Report(CheckHostFunctions(table, modules));
    report.Report(CheckInit(modules));
    report.Report(CheckRecords(modules, false));
    report.Report(CheckRecords(modules, true));
    report.Report(CheckMenuStatus(modules));
}

} // namespace

QZVALIDATE_CHECKS(startup, 1, "exports, version handshake, enumeration records, menu status", RunStartupChecks);
