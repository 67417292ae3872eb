#include "qzhost/validate/session/RandomSessionShrink.h"

#include <algorithm>

namespace
{

/* The steps without those in [begin, end). */
std::vector<std::string> Without(const std::vector<std::string>& steps, size_t begin, size_t end)
{
    std::vector<std::string> rest(steps.begin(), steps.begin() + static_cast<long>(begin));
    rest.insert(rest.end(), steps.begin() + static_cast<long>(end), steps.end());
    return rest;
}

} // namespace

ShrinkResult ShrinkSteps(const std::vector<std::string>& steps, const StillFails& stillFails, int maxTries)
{
    ShrinkResult result;
    result.steps = steps;
    size_t chunks = 2;
    while (!result.steps.empty() && result.tries < maxTries) {
        const size_t size = result.steps.size();
        chunks = std::min(chunks, size);
        const size_t chunkSize = (size + chunks - 1) / chunks;
        bool reduced = false;
        for (size_t begin = 0; begin < size && result.tries < maxTries; begin += chunkSize) {
            std::vector<std::string> candidate = Without(result.steps, begin, std::min(size, begin + chunkSize));
            ++result.tries;
            if (stillFails(candidate)) {
                result.steps = candidate;
                chunks = std::max<size_t>(chunks - 1, 2);
                reduced = true;
                break;
            }
        }
        if (reduced)
            continue;
        if (chunks >= size)
            break; /* no single step can go */
        chunks = std::min(size, chunks * 2);
    }
    return result;
}
