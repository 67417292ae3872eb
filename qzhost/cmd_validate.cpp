/* qzhost validate [--level 1-10] [--seed N] [--timeout SECONDS] [--json] MODULE:
   checks a plug-in module level by level (qzhost/README.md). Exit status 0
   when every check passed, 1 when one failed, 2 on a usage error. */

#include "qzhost/CommandRegistry.h"
#include "qzhost/validate/ValidationRunner.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <ostream>
#include <random>

namespace
{

const char* const kUsage = "usage: qzhost validate [--level 1-10] [--seed N] [--timeout SECONDS] [--json] MODULE\n";

constexpr int kDefaultLevel = 5;

bool ParseNumber(const std::string& text, unsigned long long limit, unsigned long long& value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 20)
        return false;
    errno = 0;
    value = std::strtoull(text.c_str(), nullptr, 10);
    return errno == 0 && value <= limit;
}

/* A seed nobody chose: the run prints it, so it can be repeated. */
uint64_t FreshSeed()
{
    std::random_device device;
    const auto now = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    return (now ^ (uint64_t{device()} << 32) ^ device()) % 1000000000000ULL;
}

struct Arguments
{
    ValidationOptions options;
    bool json = false;
    bool seedGiven = false;
};

/* The value after an option; false (with the problem) when it is missing or not a number up to limit. */
bool OptionValue(const CommandArgs& args, size_t& index, unsigned long long limit, unsigned long long& value,
                 std::string& problem)
{
    const std::string& option = args[index];
    if (index + 1 >= args.size() || !ParseNumber(args[index + 1], limit, value)) {
        problem = option + " needs a number" + (limit < ULLONG_MAX ? " up to " + std::to_string(limit) : "");
        return false;
    }
    ++index;
    return true;
}

bool ParseArguments(const CommandArgs& args, Arguments& parsed, std::string& problem)
{
    parsed.options.level = kDefaultLevel;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        unsigned long long value = 0;
        if (word == "--json") {
            parsed.json = true;
        }
        else if (word == "--level") {
            if (!OptionValue(args, i, 10, value, problem))
                return false;
            if (value < 1) {
                problem = "--level takes 1 to 10";
                return false;
            }
            parsed.options.level = static_cast<int>(value);
        }
        else if (word == "--seed") {
            if (!OptionValue(args, i, ULLONG_MAX, value, problem))
                return false;
            parsed.options.seed = value;
            parsed.seedGiven = true;
        }
        else if (word == "--timeout") {
            if (!OptionValue(args, i, 86400, value, problem))
                return false;
            parsed.options.timeoutSeconds = static_cast<int>(value);
        }
        else if (word.size() > 1 && word[0] == '-') {
            problem = "unknown option " + word;
            return false;
        }
        else if (parsed.options.module.empty()) {
            parsed.options.module = word;
        }
        else {
            problem = "one MODULE only";
            return false;
        }
    }
    if (parsed.options.module.empty()) {
        problem = "no MODULE given";
        return false;
    }
    if (!parsed.seedGiven)
        parsed.options.seed = FreshSeed();
    return true;
}

/* dlopen searches the library path for a name without a slash; the
   validator checks exactly the file named. */
std::string FilePath(const std::string& module)
{
    if (module.find('/') != std::string::npos)
        return module;
    return "./" + module;
}

int RunValidate(const CommandArgs& args, std::ostream& out, std::ostream& err)
{
    Arguments parsed;
    std::string problem;
    if (!ParseArguments(args, parsed, problem)) {
        err << "qzhost validate: " << problem << "\n" << kUsage;
        return kExitUsage;
    }
    parsed.options.module = FilePath(parsed.options.module);
    if (!parsed.json)
        out << "validating " << parsed.options.module << " at level " << parsed.options.level << ", seed "
            << parsed.options.seed << " (repeat with --level " << parsed.options.level << " --seed "
            << parsed.options.seed << ")" << std::endl;
    ValidationRunner runner(parsed.options);
    const ValidationReport report = runner.Run();
    if (parsed.json)
        PrintReportJson(report, out);
    else
        PrintReportText(report, out);
    return report.Passed() ? kExitOK : kExitFailure;
}

} // namespace

QZHOST_COMMAND(validate, "validate [--level 1-10] [--seed N] [--timeout SECONDS] [--json] MODULE",
               "checks a plug-in module level by level; 0 only when every check passed", RunValidate);
