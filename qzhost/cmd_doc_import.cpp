/* qzhost doc import FILE [OUT]: reads a MusicXML score (.musicxml, .xml or
   the compressed .mxl, told apart by content) into a document of the
   simulated host engine and prints it, or writes it to OUT as a hostsim
   document file. The engine is loaded locally and reached through its
   driver API, as for every command. */

#include "qzhost/CommandRegistry.h"
#include "qzhost/ModuleHost.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "hostsim/hostsim_api.h"

namespace
{

struct ImportEngine
{
    HOSTSIM_FN(hostsim_reset) reset = nullptr;
    HOSTSIM_FN(hostsim_import_musicxml) import = nullptr;
    HOSTSIM_FN(hostsim_save_document) save = nullptr;
    HOSTSIM_FN(hostsim_describe_document) describe = nullptr;

    bool Resolve(const ModuleHost& host)
    {
        return Bind(host, reset, "hostsim_reset") && Bind(host, import, "hostsim_import_musicxml") &&
               Bind(host, save, "hostsim_save_document") && Bind(host, describe, "hostsim_describe_document");
    }

    template <class F>
    static bool Bind(const ModuleHost& host, F& fn, const char* name)
    {
        fn = reinterpret_cast<F>(host.EngineSymbol(name));
        return fn != nullptr;
    }
};

/* Writing the document over the score it came from would lose the score. */
bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

int RunImport(const CommandArgs& args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args.size() > 2) {
        err << "usage: qzhost doc import FILE [OUT]\n";
        return kExitUsage;
    }
    if (args.size() == 2 && SameFile(args[0], args[1])) {
        err << "qzhost: " << args[1] << ": is the score being imported; choose another file\n";
        return kExitFailure;
    }
    ModuleHost host;
    ImportEngine engine;
    if (!host.LoadEngine(err) || !engine.Resolve(host)) {
        err << "qzhost: the host engine is not available\n";
        return kExitFailure;
    }
    engine.reset();
    char error[1024] = "";
    int16_t id = engine.import(args[0].c_str(), error, sizeof error);
    if (!id) {
        err << "qzhost: " << error << "\n";
        return kExitFailure;
    }
    if (args.size() == 1) {
        out << engine.describe(id);
        return kExitOK;
    }
    if (!engine.save(id, args[1].c_str(), error, sizeof error)) {
        err << "qzhost: " << error << "\n";
        return kExitFailure;
    }
    out << "wrote " << args[1] << "\n";
    return kExitOK;
}

} // namespace

QZHOST_SUBCOMMAND(doc, import, "doc import FILE [OUT]",
                  "reads a MusicXML score (.musicxml, .xml, .mxl) and prints it or writes it to OUT", RunImport);
