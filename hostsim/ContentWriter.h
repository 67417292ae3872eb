#ifndef HOSTSIM_CONTENTWRITER_H
#define HOSTSIM_CONTENTWRITER_H

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hostsim/Document.h"

namespace hostsim
{

struct StaffEntry
{
    int16_t staff = 0;
    int32_t distance = 0;
    int16_t resize = 100;
};

/* How a staff group is marked at the left of its staves ('SDNG' word 8). */
enum class GroupBracket : int16_t
{
    None = 0,
    Brace = 1,
    Bracket = 2,
    Line = 3,
    Square = 4
};

struct GroupSpan
{
    int16_t number = 0; // the group's item ('SDNG' key (0, number, 0))
    int16_t startStaff = 0, endStaff = 0;
    std::string fullName, abbrName; // caret texts; "" = none
    GroupBracket bracket = GroupBracket::None;
};

/* Writes whole pieces of content (a staff with its names, a staff list, a
   category, a text expression with its text) as the host's records. Used for
   the built-in documents and by the driver API; every record goes through
   `put` (nullopt = delete). */
class ContentWriter
{
public:
    using PutFn = std::function<void(const RecordId&, std::optional<Bytes>)>;

    ContentWriter(Document& doc, uint32_t hostVersion, PutFn put);

    /* A text block with a new raw text of the given tag; returns the block number. */
    int16_t textBlock(const std::string& text, uint32_t rawTag);
    void staff(int16_t number, const std::string& fullName, const std::string& abbrName);
    /* Replaces list `item` of part scope `scope` (resize details included). */
    void staffList(int16_t scope, uint16_t item, const std::vector<StaffEntry>& entries);
    void category(int16_t item, int16_t categoryId, const std::string& name);
    /* item <= 0 takes the next free item; returns the item. */
    int16_t textExpression(int16_t item, int16_t categoryId, const std::string& description, const std::string& text,
                           uint16_t flags);
    void partRecord(int16_t partId, uint16_t order, const std::string& name);
    /* A staff group of the score's global list, with its names in text blocks. */
    void group(const GroupSpan& g);

private:
    int16_t newNumber(uint32_t tag);

    Document& doc_;
    uint32_t version_;
    PutFn put_;
};

} // namespace hostsim

#endif
