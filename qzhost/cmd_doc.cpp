/* qzhost doc: documents of the simulated host engine.
     qzhost doc show SOURCE        print the document for people and tests
     qzhost doc new KIND FILE      write a built-in document (demo, empty, test) to FILE
     qzhost doc new --staves N --measures M --expressions E --staffsets K [--seed S] FILE
                                   write a generated score of that size to FILE
     qzhost doc save SOURCE FILE   open SOURCE and write it to FILE
   SOURCE is a document file or one of the built-in documents. The engine is
   loaded as for every command (locally) and reached through its driver API. */

#include "qzhost/CommandRegistry.h"
#include "qzhost/ModuleHost.h"

#include <cerrno>
#include <cstdlib>
#include <map>
#include <ostream>

#include "hostsim/hostsim_api.h"
#include "qzhost/session/HostEngine.h"

namespace
{

/* A built-in document's seed, or -1 when the name is not one. */
int BuiltIn(const std::string& name)
{
    if (name == "demo")
        return HOSTSIM_SEED_DEMO;
    if (name == "empty")
        return HOSTSIM_SEED_EMPTY;
    if (name == "test")
        return HOSTSIM_SEED_TEST_QZ;
    return -1;
}

/* Makes the document named by SOURCE current; 0 (with a message) on failure. */
int16_t Obtain(const HostEngine& engine, const std::string& source, bool builtInOnly, std::ostream& err)
{
    int seed = BuiltIn(source);
    if (seed >= 0)
        return engine.hostsim_new_document(seed);
    if (builtInOnly) {
        err << "qzhost: '" << source << "' is not a built-in document (demo, empty, test)\n";
        return 0;
    }
    char error[1024] = "";
    int16_t id = engine.hostsim_open_document(source.c_str(), error, sizeof error);
    if (!id)
        err << "qzhost: " << error << "\n";
    return id;
}

/* The sizes of `doc new --staves N ...` (every size option required, --seed
   optional); false with a message for a missing, unknown or malformed option.
   The sizes' ranges are the engine's to check. */
bool ParseSizes(const CommandArgs& args, hostsim_large_score& sizes, std::ostream& err)
{
    std::map<std::string, int64_t*> options = {{"--staves", &sizes.staves},
                                               {"--measures", &sizes.measures},
                                               {"--expressions", &sizes.expressions},
                                               {"--staffsets", &sizes.staffSets}};
    int64_t seed = 1;
    options["--seed"] = &seed;
    std::map<std::string, bool> given;
    for (size_t i = 1; i + 1 < args.size(); i += 2) {
        auto option = options.find(args[i]);
        if (option == options.end()) {
            err << "qzhost: unknown option '" << args[i] << "'\n";
            return false;
        }
        const std::string& text = args[i + 1];
        char* end = nullptr;
        errno = 0;
        const long long value = std::strtoll(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0' || errno == ERANGE) {
            err << "qzhost: " << args[i] << " needs a whole number, not '" << text << "'\n";
            return false;
        }
        *option->second = value;
        given[args[i]] = true;
    }
    for (const auto& [name, value] : options)
        if (name != "--seed" && !given[name]) {
            err << "qzhost: doc new needs " << name << "\n";
            return false;
        }
    if (seed < 0 || seed > 0xFFFFFFFFll) {
        err << "qzhost: --seed must be from 0 to 4294967295\n";
        return false;
    }
    sizes.seed = static_cast<uint32_t>(seed);
    return true;
}

/* Writes a generated score: `doc new --staves N ... FILE`. */
int RunNewLarge(const CommandArgs& args, std::ostream& out, std::ostream& err);

int Usage(std::ostream& err)
{
    err << "usage: qzhost doc show FILE|demo|empty|test\n"
           "       qzhost doc new demo|empty|test FILE\n"
           "       qzhost doc new --staves N --measures M --expressions E --staffsets K [--seed S] FILE\n"
           "       qzhost doc save FILE|demo|empty|test FILE\n";
    return kExitUsage;
}

int RunDoc(const CommandArgs& args, std::ostream& out, std::ostream& err)
{
    if (args.size() >= 3 && args[0] == "new" && args[1].rfind("--", 0) == 0)
        return RunNewLarge(args, out, err);
    bool show = args.size() == 2 && args[0] == "show";
    bool write = args.size() == 3 && (args[0] == "new" || args[0] == "save");
    if (!show && !write)
        return Usage(err);
    ModuleHost host;
    HostEngine engine;
    if (!engine.StartAlone(host, err))
        return kExitFailure;
    int16_t id = Obtain(engine, args[1], args[0] == "new", err);
    if (!id)
        return kExitFailure;
    if (show) {
        out << engine.hostsim_describe_document(id);
        return kExitOK;
    }
    char error[1024] = "";
    if (!engine.hostsim_save_document(id, args[2].c_str(), error, sizeof error)) {
        err << "qzhost: " << error << "\n";
        return kExitFailure;
    }
    out << "wrote " << args[2] << "\n";
    return kExitOK;
}

int RunNewLarge(const CommandArgs& args, std::ostream& out, std::ostream& err)
{
    /* new, option-value pairs, FILE */
    if (args.size() % 2 != 0)
        return Usage(err);
    hostsim_large_score sizes{};
    if (!ParseSizes(CommandArgs(args.begin(), args.end() - 1), sizes, err))
        return kExitUsage;
    ModuleHost host;
    HostEngine engine;
    if (!engine.StartAlone(host, err))
        return kExitFailure;
    char error[1024] = "";
    const int16_t id = engine.hostsim_new_large_document(&sizes, error, sizeof error);
    if (!id) {
        err << "qzhost: " << error << "\n";
        return kExitFailure;
    }
    if (!engine.hostsim_save_document(id, args.back().c_str(), error, sizeof error)) {
        err << "qzhost: " << error << "\n";
        return kExitFailure;
    }
    out << "wrote " << args.back() << "\n";
    return kExitOK;
}

} // namespace

QZHOST_COMMAND(doc, "doc show|new|save ...", "prints a document (a file or demo, empty, test) or writes one to a file",
               RunDoc);
