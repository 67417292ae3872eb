/* The driver functions for interactive and scripted sessions (qzhost): what a
   person sees of the score and what a script sets up the way another program
   would. */

#include "common/qz_fourcc.h"
#include "hostsim/hostsim_api.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "hostsim/ContentWriter.h"
#include "hostsim/DocumentReader.h"
#include "hostsim/DriverCall.h"
#include "hostsim/Engine.h"
#include "hostsim/MenuModel.h"
#include "hostsim/RecordKey.h"
#include "hostsim/TagRules.h"

using namespace hostsim;

int16_t hostsim_find_category(const char* name)
{
    Engine& e = driver("hostsim_find_category");
    Document* doc = e.current();
    if (!doc || !name)
        return 0;
    for (const CategoryInfo& c : DocumentReader(*doc, e.hostVersion).categories())
        if (c.name == name)
            return c.item;
    return 0;
}

int16_t hostsim_add_category(const char* name)
{
    Engine& e = driver("hostsim_add_category");
    Document* doc = e.current();
    if (!doc || !name)
        return 0;
    int16_t item = 0, id = 0;
    for (const CategoryInfo& c : DocumentReader(*doc, e.hostVersion).categories()) {
        item = std::max(item, c.item);
        id = std::max(id, c.id);
    }
    if (item == INT16_MAX || id == INT16_MAX)
        return 0;
    ++item;
    writerFor(e, *doc).category(item, static_cast<int16_t>(id + 1), name);
    return item;
}

int hostsim_remove_categories(const char* name)
{
    Engine& e = driver("hostsim_remove_categories");
    Document* doc = e.current();
    if (!doc || !name)
        return 0;
    int removed = 0;
    for (const CategoryInfo& c : DocumentReader(*doc, e.hostVersion).categories())
        if (c.name == name) {
            const int16_t key[3] = {c.item, 0, 0};
            const uint32_t tag = QZ_FOURCC("SOMC");
            if (e.remove(*doc, e.idFor(tag, RecordKey::read(TagRules::shape(tag), key), *doc), Origin::Driver))
                ++removed;
        }
    return removed;
}

int hostsim_put_score_staff_list(uint16_t item, const hostsim_staff_entry* entries, size_t count)
{
    Engine& e = driver("hostsim_put_score_staff_list");
    Document* doc = e.current();
    if (!doc || (count && !entries))
        return 0;
    std::vector<StaffEntry> list;
    for (size_t i = 0; i < count; ++i)
        list.push_back(StaffEntry{entries[i].staff, entries[i].distance, entries[i].resize});
    writerFor(e, *doc).staffList(e.idFor(QZ_FOURCC("SOIu"), RecordKey(), int16_t(0)).scope, item, list);
    return 1;
}

int16_t hostsim_measure_count(void)
{
    Document* doc = driver("hostsim_measure_count").current();
    return doc ? doc->measures : 0;
}

int32_t hostsim_menu_command(uint32_t code)
{
    Engine& e = driver("hostsim_menu_command");
    Document* doc = e.current();
    MenuEntry m;
    m.code = code;
    std::memcpy(m.chars, tagChars(code).c_str(), 4);
    m.document = doc ? doc->id() : 0;
    m.part = doc ? doc->currentPart : 0;
    if (doc)
        m.result = MenuModel::execute(*doc, e.scopeFor(QZ_FOURCC("SOIu"), *doc), code);
    e.log.addMenu(m);
    return m.result;
}
