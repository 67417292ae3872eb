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
#include "qzhost/session/HostEngine.h"

namespace
{

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
    HostEngine engine;
    if (!engine.StartAlone(host, err))
        return kExitFailure;
    char error[1024] = "";
    int16_t id = engine.hostsim_import_musicxml(args[0].c_str(), error, sizeof error);
    if (!id) {
        err << "qzhost: " << error << "\n";
        return kExitFailure;
    }
    if (args.size() == 1) {
        out << engine.hostsim_describe_document(id);
        return kExitOK;
    }
    if (!engine.hostsim_save_document(id, args[1].c_str(), error, sizeof error)) {
        err << "qzhost: " << error << "\n";
        return kExitFailure;
    }
    out << "wrote " << args[1] << "\n";
    return kExitOK;
}

} // namespace

QZHOST_SUBCOMMAND(doc, import, "doc import FILE [OUT]",
                  "reads a MusicXML score (.musicxml, .xml, .mxl) and prints it or writes it to OUT", RunImport);
