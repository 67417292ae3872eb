#ifndef HOSTSIM_LARGESCOREBUILDER_H
#define HOSTSIM_LARGESCOREBUILDER_H

#include <cstdint>
#include <memory>
#include <string>

#include "hostsim/Document.h"

namespace hostsim
{

/* Sizes of a generated score. */
struct LargeScoreSpec
{
    int64_t staves = 0;
    int64_t measures = 1;
    int64_t expressions = 0; /* all text expressions, the staff set names included */
    int64_t staffSets = 0;   /* 0 to 8 */
    uint32_t seed = 1;
};

/* Builds large scores for benchmarks and scale tests: staves named from an
   orchestral list (repeating with numbers past its end) in one score staff
   list, text expressions in several categories with the staff set names
   ("QZ Staff Set Panel n:name" in "QZ Plug-in Data") at random positions,
   and staff sets of random sizes. The same sizes and seed give the same
   document on every platform. Every staff name and expression takes a text
   block, and the host numbers those up to 32767: the abbreviated names are
   left out where they would not fit. */
class LargeScoreBuilder
{
public:
    /* Largest staff, measure and expression numbers the host can hold. */
    static constexpr int64_t kMaxNumber = 32767;
    static constexpr int64_t kMaxStaffSets = 8;

    /* Empty when a score of these sizes can be built, else a message naming the problem. */
    static std::string check(const LargeScoreSpec& request);
    /* The document, or null with `error` set. */
    static std::unique_ptr<Document> build(int16_t id, uint32_t hostVersion, const LargeScoreSpec& request,
                                           std::string& error);
};

} // namespace hostsim

#endif
