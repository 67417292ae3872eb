/* Replay driver for the fuzz targets when they are built without libFuzzer.
 *
 *   fuzz_<name> <corpus folder> [mutations] [seed]
 *
 * Runs every file of the corpus folder (in name order), then a fixed number of
 * inputs derived from them by a seeded generator (bit flips, byte changes,
 * insertions, deletions, truncations, duplicated and spliced pieces). The same
 * arguments always give the same inputs, so a failure is reproducible; an
 * input that crashes, aborts or trips a sanitizer is also written to
 * fuzz-failure-<name>.bin in the working folder. */
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
/* Present only when a sanitizer runtime is linked. */
extern "C" void __sanitizer_set_death_callback(void (*callback)(void)) __attribute__((weak));

namespace
{
using Input = std::vector<uint8_t>;

constexpr size_t kMaxInput = 64 * 1024;

/* Bytes that steer the parsers into their interesting branches. */
const uint8_t kInteresting[] = {0x00, 0xFF, 0x7F, 0x80, 0xC0, 0xC3, 0xE2, 0xED, 0xF0, 0xF4, 0xF8, '^',
                                '(',  ')',  ',',  '<',  '>',  '/',  '"',  '{',  '}',  '[',  ']',  ':',
                                '\\', 'u',  '-',  '+',  '.',  '0',  '9',  'e',  'x',  '\r', '\n', '='};

std::vector<std::filesystem::path> CorpusFiles(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

Input ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Input(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class Mutator
{
public:
    explicit Mutator(uint32_t seed) : _random(seed) {}

    size_t Below(size_t bound) { return bound ? std::uniform_int_distribution<size_t>(0, bound - 1)(_random) : 0; }

    uint8_t AnyByte() { return Below(2) ? kInteresting[Below(sizeof kInteresting)] : static_cast<uint8_t>(Below(256)); }

    void Mutate(Input& input, const std::vector<Input>& corpus)
    {
        const size_t steps = 1 + Below(4);
        for (size_t i = 0; i < steps; ++i)
            Step(input, corpus);
        if (input.size() > kMaxInput)
            input.resize(kMaxInput);
    }

private:
    void Step(Input& input, const std::vector<Input>& corpus)
    {
        const size_t at = Below(input.size() + 1);
        switch (Below(7)) {
        case 0: /* flip one bit */
            if (!input.empty())
                input[Below(input.size())] ^= static_cast<uint8_t>(1u << Below(8));
            break;
        case 1: /* replace one byte */
            if (!input.empty())
                input[Below(input.size())] = AnyByte();
            break;
        case 2: /* insert a few bytes */
            for (size_t n = 1 + Below(4); n; --n)
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), AnyByte());
            break;
        case 3: /* delete a range */
            input.erase(input.begin() + static_cast<std::ptrdiff_t>(at),
                        input.begin() + static_cast<std::ptrdiff_t>(std::min(input.size(), at + 1 + Below(16))));
            break;
        case 4: /* truncate */ input.resize(at); break;
        case 5: /* duplicate a piece in place */
            if (!input.empty()) {
                const size_t from = Below(input.size());
                const size_t count = 1 + Below(std::min<size_t>(input.size() - from, 64));
                const Input piece(input.begin() + static_cast<std::ptrdiff_t>(from),
                                  input.begin() + static_cast<std::ptrdiff_t>(from + count));
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), piece.begin(), piece.end());
            }
            break;
        default: /* splice in a piece of another input */
            if (!corpus.empty()) {
                const Input& other = corpus[Below(corpus.size())];
                const size_t from = Below(other.size());
                const size_t count = Below(other.size() - from + 1);
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at),
                             other.begin() + static_cast<std::ptrdiff_t>(from),
                             other.begin() + static_cast<std::ptrdiff_t>(from + count));
            }
            break;
        }
    }

    std::mt19937 _random;
};

/* The input running now and where to keep it if the process dies on it. */
const Input* gRunning = nullptr;
std::string gKeepPath;

/* Async-signal-safe: only open, write and close. */
void KeepRunningInput()
{
    if (!gRunning || gKeepPath.empty())
        return;
    const int fd = open(gKeepPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    const uint8_t* p = gRunning->data();
    size_t left = gRunning->size();
    while (left) {
        const ssize_t n = write(fd, p, left);
        if (n <= 0)
            break;
        p += n;
        left -= static_cast<size_t>(n);
    }
    close(fd);
}

extern "C" void OnFatalSignal(int signal)
{
    KeepRunningInput();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void KeepInputsOnDeath(const std::string& keepPath)
{
    gKeepPath = keepPath;
    for (int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, OnFatalSignal);
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(KeepRunningInput);
}

void RunOne(const Input& input)
{
    gRunning = &input;
    LLVMFuzzerTestOneInput(input.data(), input.size());
    gRunning = nullptr;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <corpus folder> [mutations] [seed]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const long mutations = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 2000;
    const uint32_t seed = argc > 3 ? static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)) : 20261208u;
    KeepInputsOnDeath("fuzz-failure-" + std::filesystem::path(argv[0]).filename().string() + ".bin");

    std::vector<Input> corpus;
    for (const auto& path : CorpusFiles(folder))
        corpus.push_back(ReadFile(path));
    if (corpus.empty()) {
        std::fprintf(stderr, "%s: no seed inputs in %s\n", argv[0], folder.string().c_str());
        return 2;
    }
    for (const Input& input : corpus)
        RunOne(input);

    /* Each derived input starts from a seed, from the previous derived input
       (so that changes pile up) or, now and then, from nothing. */
    Mutator mutator(seed);
    Input previous;
    for (long i = 0; i < mutations; ++i) {
        const size_t origin = mutator.Below(16);
        Input input = origin == 0 ? Input() : origin < 6 ? previous : corpus[mutator.Below(corpus.size())];
        mutator.Mutate(input, corpus);
        RunOne(input);
        previous = std::move(input);
    }
    std::printf("%zu seed inputs and %ld derived inputs passed\n", corpus.size(), mutations);
    return 0;
}
