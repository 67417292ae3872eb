#ifndef HOSTSIM_DOCUMENTREADER_H
#define HOSTSIM_DOCUMENTREADER_H

#include <cstdint>
#include <string>
#include <vector>

#include "hostsim/ContentWriter.h"
#include "hostsim/Document.h"

namespace hostsim
{

struct CategoryInfo
{
    int16_t item = 0;
    int16_t id = 0;
    std::string name;
};

struct ExpressionInfo
{
    int16_t item = 0;
    int16_t textBlock = 0;
    uint16_t categoryWord = 0;
    uint16_t flags = 0;
    std::string description;
    std::string text;
};

/* Decodes a document's records into what people and tests want to see. */
class DocumentReader
{
public:
    DocumentReader(const Document& doc, uint32_t hostVersion) : doc_(doc), version_(hostVersion) {}

    std::string blockText(int16_t textBlock) const;
    std::string staffName(int16_t staff, bool full) const;
    std::vector<int16_t> staves() const;
    /* List `item` of part scope `scope`, with resize details. */
    std::vector<StaffEntry> staffList(int16_t scope, uint16_t item) const;
    std::vector<CategoryInfo> categories() const;
    std::vector<ExpressionInfo> expressions() const;
    /* The staff groups of the score's global list, in item order. */
    std::vector<GroupSpan> groups() const;
    /* The name the panel stored for staff set n, "" when none. */
    std::string staffSetName(int n) const;

private:
    const Document& doc_;
    uint32_t version_;
};

} // namespace hostsim

#endif
