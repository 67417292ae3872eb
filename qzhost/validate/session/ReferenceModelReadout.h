#ifndef QZHOST_REFERENCEMODELREADOUT_H
#define QZHOST_REFERENCEMODELREADOUT_H

/* Reads what the reference model describes out of the engine's current
   document, through the driver API only: the staff sets of the score, the
   name expressions, the score's staff order and the staves' names. */

#include "qzhost/validate/session/ReferenceModel.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class Session;

struct DocumentReadout
{
    ModelDocument document;
    bool categoryExists = false;
};

DocumentReadout ReadDocument(const Session& session);
/* The score's staff list (part 0) in slot order. */
std::vector<ModelEntry> ReadScoreList(const Session& session);
/* Each staff's full name as the panel shows it ("" when it has none). */
std::map<int, std::string> ReadStaffNames(const Session& session, const std::vector<ModelEntry>& score);
/* The score's groups of two or more staves, as indexes of the score list. */
std::vector<ModelGroup> ReadGroups(const Session& session, const std::vector<ModelEntry>& score);
/* Each staff's full and abbreviated name as stored. */
std::map<int, ModelStaffTexts> ReadStaffTexts(const Session& session, const std::vector<ModelEntry>& score);
/* A staff name's caret text made readable (accidentals as their signs). */
std::string DisplayStaffName(const std::string& caretText);

/* Staff set n (1-8) as one line: its entries (staff/distance/resize) and its
   name, e.g. "3: 2/0/100,4/-600/100 \"Winds\"". */
std::string DescribeStaffSet(const DocumentReadout& readout, int n);
/* The first staff set that two readouts describe differently, as
   "staff set 3 is ... where ... was expected"; "" when none. */
std::string FirstStaffSetDifference(const DocumentReadout& got, const DocumentReadout& expected);

/* The current document's image and a short fingerprint of it. */
std::vector<uint8_t> DocumentImage(const Session& session);
/* True when the current document's image is the given one. */
bool SameImage(const Session& session, const std::vector<uint8_t>& image);
std::string ImageFingerprint(const std::vector<uint8_t>& image);
/* !SameImage, the document's image copied into `now` when it differs. */
bool ImageChanged(const Session& session, const std::vector<uint8_t>& image, std::vector<uint8_t>& now);

#endif
