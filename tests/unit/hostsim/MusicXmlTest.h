#ifndef HOSTSIM_MUSICXMLTEST_H
#define HOSTSIM_MUSICXMLTEST_H

/* Shared set-up of the MusicXML import tests: a fresh strict engine with no
   document, a private folder for the files a test writes, and readers that
   decode the current document through the driver API. */

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "hostsim/Engine.h"
#include "hostsim/hostsim_api.h"

namespace musicxml_test
{

struct Staff
{
    int16_t number;
    std::string full, abbr;
    int32_t distance;
    bool operator==(const Staff& o) const
    {
        return number == o.number && full == o.full && abbr == o.abbr && distance == o.distance;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Staff& s)
{
    return out << "{" << s.number << " \"" << s.full << "\" / \"" << s.abbr << "\" at " << s.distance << "}";
}

struct Group
{
    int16_t start, end, bracket;
    std::string full, abbr;
    bool operator==(const Group& o) const
    {
        return start == o.start && end == o.end && bracket == o.bracket && full == o.full && abbr == o.abbr;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Group& g)
{
    return out << "{" << g.start << "-" << g.end << " bracket " << g.bracket << " \"" << g.full << "\" / \"" << g.abbr
               << "\"}";
}

class MusicXmlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hostsim_reset();
        hostsim_set_strict(1);
        dir = std::filesystem::temp_directory_path() / ("qz-musicxml-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override
    {
        EXPECT_EQ(hostsim_violation_count(HOSTSIM_SEVERITY_WARNING), 0u)
            << hostsim_violations_text(HOSTSIM_SEVERITY_WARNING);
        hostsim_reset();
        std::filesystem::remove_all(dir);
    }

    static std::string sample(const std::string& name) { return std::string(QZ_MUSICXML_DATA) + "/" + name; }
    std::string file(const std::string& name) const { return (dir / name).string(); }
    std::string write(const std::string& name, const std::string& contents) const
    {
        std::ofstream(file(name), std::ios::binary) << contents;
        return file(name);
    }
    static std::string read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    /* Imports a file; the document id, or 0 with the message in `error`. */
    int16_t import(const std::string& path)
    {
        char buffer[1024] = "";
        int16_t id = hostsim_import_musicxml(path.c_str(), buffer, sizeof buffer);
        error = buffer;
        return id;
    }
    int16_t importSample(const std::string& name)
    {
        int16_t id = import(sample(name));
        EXPECT_NE(id, 0) << error;
        return id;
    }

    /* The score's global list with the staves' names. */
    static std::vector<Staff> scoreStaves() { return listStaves(0); }
    static std::vector<Staff> listStaves(int16_t part)
    {
        std::vector<hostsim_staff_entry> entries(hostsim_staff_list(0, part, nullptr, 0));
        entries.resize(hostsim_staff_list(0, part, entries.data(), entries.size()));
        std::vector<Staff> out;
        for (const hostsim_staff_entry& e : entries)
            out.push_back(Staff{e.staff, hostsim_staff_name(e.staff, 1), hostsim_staff_name(e.staff, 0), e.distance});
        return out;
    }
    static std::vector<Group> groups()
    {
        std::vector<Group> out;
        size_t n = hostsim_group_count();
        for (size_t i = 0; i < n; ++i) {
            hostsim_group g;
            if (hostsim_group_at(i, &g))
                out.push_back(Group{g.startStaff, g.endStaff, g.bracket, g.fullName, g.abbrName});
        }
        return out;
    }
    static const hostsim::Document& current() { return *hostsim::Engine::instance().current(); }
    static std::vector<std::string> partNames()
    {
        std::vector<std::string> out;
        for (const hostsim::PartInfo& p : current().parts)
            out.push_back(p.name);
        return out;
    }

    std::filesystem::path dir;
    std::string error;
};

} // namespace musicxml_test

#endif
