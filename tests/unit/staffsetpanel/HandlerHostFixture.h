#ifndef TESTS_UNIT_STAFFSETPANEL_HANDLERHOSTFIXTURE_H
#define TESTS_UNIT_STAFFSETPANEL_HANDLERHOSTFIXTURE_H

/* Runs staff set commands (FCStaffSetPanelHandler inside FCUndoBlock, as the
 * panel does) against the simulated host in strict mode, and reads back what
 * the host holds: staff set lists, name expressions, and every record of the
 * document as bytes (from the host's own document file). */

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/HostsimFixture.h"

class FCUI;
class QZStaffSetTemplate;

/* One staff set entry as the host holds it. */
struct SetEntry
{
    int16_t staff;
    int32_t distance;
    int16_t resize;
    bool operator==(const SetEntry& other) const
    {
        return staff == other.staff && distance == other.distance && resize == other.resize;
    }
};
std::ostream& operator<<(std::ostream& out, const SetEntry& entry);
using SetList = std::vector<SetEntry>;

/* A name expression as the host holds it. */
struct StoredExpression
{
    int16_t item = 0;
    std::string description;
    std::string text;
};

/* Parameter: host version profile. */
class HandlerHostTest : public HostsimFixture, public ::testing::WithParamInterface<uint32_t>
{
protected:
    static constexpr uint32_t kTextExpressionTag = 0x534F4454; /* 'SODT' */
    static constexpr uint32_t kSystemStaffTag = 0x534F4975;    /* 'SOIu' */

    uint32_t Profile() const override { return GetParam(); }
    void SetUp() override;
    void TearDown() override;

    const HostsimApi& H() const { return *Host(); }

    /* ---- Commands ---------------------------------------------------------- */
    /* Runs one command as the panel does: a handler of that kind for staff
       set n with the name, given the current selection as its region (or no
       region), through FCUndoBlock with the text "Staff Set Panel". Then
       checks the host's side of it: a committed command changed the records
       and is one undo step whose undo gives them back byte for byte and whose
       redo gives the result again; a failed one left every record as it was
       and no step.
       Returns the handler's result. */
    bool Command(int kind, int staffSet, const char* name = "", bool withRegion = true);
    /* The same without the undo and redo round trip (for failure runs). */
    bool RunCommand(int kind, int staffSet, const char* name = "", bool withRegion = true);
    /* The UI handed to the handler (null unless a test sets one). */
    FCUI* ui = nullptr;
    /* The template handed to the handler (null unless a test sets one). */
    const QZStaffSetTemplate* staffSetTemplate = nullptr;

    /* ---- Host state -------------------------------------------------------- */
    /* Every record of the current document, as the host's document file
       writes them. */
    std::string Records() const;
    /* Staff set n's list in the score. */
    SetList StaffSet(int staffSet) const;
    void PutStaffSet(int staffSet, const SetList& entries) const;
    /* Selects slots first to last of list 0 in measure 1. */
    void Select(int16_t firstSlot, int16_t lastSlot) const;
    /* The text expressions, in item order. */
    std::vector<StoredExpression> Expressions() const;
    /* Descriptions of the expressions in category categoryID that begin with
       staff set n's prefix, in item order. */
    std::vector<std::string> NameDescriptions(int staffSet, int16_t categoryID) const;
    /* The name the handler reads for staff set n (empty for none). */
    std::string StoredName(int staffSet);
    /* Puts a name expression of staff set n (its whole description given). */
    int16_t PutNameExpression(int16_t categoryID, const std::string& description) const;

    static std::string Prefix(int staffSet) { return "QZ Staff Set Panel " + std::to_string(staffSet) + ":"; }

private:
    std::string _folder;
};

/* Test document with the "QZ Plug-in Data" category (category ID 9). */
class TestSeedHandlerTest : public HandlerHostTest
{
protected:
    static constexpr int16_t kCategoryID = 9;
};

/* The demo score (category ID 12; staff set 1 "Woodwinds", staves 1 to 4,
   the second at 75 %). */
class DemoHandlerTest : public HandlerHostTest
{
protected:
    static constexpr int16_t kCategoryID = 12;
    int Seed() const override { return HOSTSIM_SEED_DEMO; }
};

/* Test document without the special category. */
class NoCategoryHandlerTest : public HandlerHostTest
{
protected:
    int Seed() const override { return HOSTSIM_SEED_TEST; }
};

/* The current host profile (UTF-16 texts) and an older one (8-bit texts). */
#define HANDLER_HOST_PROFILES ::testing::Values(0x19000000u, 0x10000000u)

#endif
