/* Replay driver for the fuzz targets when they are built without libFuzzer.
 *
 *   fuzz_<name> <corpus folder> [mutations] [seed]
 *
 * Runs every file of the corpus folder (in name order), then a fixed number of
 * inputs derived from them by a seeded generator (bit flips, byte changes,
 * insertions, deletions, truncations, duplicated and spliced pieces). The same
 * arguments always give the same inputs, so a failure is reproducible; the
 * failing input is written to fuzz-failure-<name>.bin in the working folder
 * before it runs, and removed again when it passes. */
#include <algorithm>
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

    uint8_t AnyByte()
    {
        return Below(2) ? kInteresting[Below(sizeof kInteresting)] : static_cast<uint8_t>(Below(256));
    }

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
        switch (Below(7))
        {
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
        case 4: /* truncate */
            input.resize(at);
            break;
        case 5: /* duplicate a piece in place */
            if (!input.empty())
            {
                const size_t from = Below(input.size());
                const size_t count = 1 + Below(std::min<size_t>(input.size() - from, 64));
                const Input piece(input.begin() + static_cast<std::ptrdiff_t>(from),
                                  input.begin() + static_cast<std::ptrdiff_t>(from + count));
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), piece.begin(), piece.end());
            }
            break;
        default: /* splice in a piece of another input */
            if (!corpus.empty())
            {
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

/* Keeps the input on disk while it runs, so that a crash leaves it behind. */
void RunOne(const Input& input, const std::string& keepPath)
{
    {
        std::ofstream out(keepPath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
    }
    LLVMFuzzerTestOneInput(input.data(), input.size());
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s <corpus folder> [mutations] [seed]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const long mutations = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 2000;
    const uint32_t seed = argc > 3 ? static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)) : 20261208u;
    const std::string keepPath =
        "fuzz-failure-" + std::filesystem::path(argv[0]).filename().string() + ".bin";

    std::vector<Input> corpus;
    for (const auto& path : CorpusFiles(folder))
        corpus.push_back(ReadFile(path));
    if (corpus.empty())
    {
        std::fprintf(stderr, "%s: no seed inputs in %s\n", argv[0], folder.string().c_str());
        return 2;
    }
    for (const Input& input : corpus)
        RunOne(input, keepPath);

    /* Each derived input starts from a seed, from the previous derived input
       (so that changes pile up) or, now and then, from nothing. */
    Mutator mutator(seed);
    Input previous;
    for (long i = 0; i < mutations; ++i)
    {
        const size_t origin = mutator.Below(16);
        Input input = origin == 0 ? Input() : origin < 6 ? previous : corpus[mutator.Below(corpus.size())];
        mutator.Mutate(input, corpus);
        RunOne(input, keepPath);
        previous = std::move(input);
    }
    std::remove(keepPath.c_str());
    std::printf("%zu seed inputs and %ld derived inputs passed\n", corpus.size(), mutations);
    return 0;
}
