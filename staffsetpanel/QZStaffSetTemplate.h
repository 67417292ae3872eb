#ifndef STAFFSETPANEL_QZSTAFFSETTEMPLATE_H
#define STAFFSETPANEL_QZSTAFFSETTEMPLATE_H

#include <cstdint>
#include <string>
#include <vector>

/* A staff set template: staff sets described by their staves' names, so that
 * the same sets can be made in another score. Stored as a JSON object whose
 * first fields are "format" (kFormat) and "version" (kVersion), then
 * "staffsets": one object per staff set with "number" (1 to 8), "name" and
 * "staves", each staff with "fullname", "abbreviatedname" (raw texts, font
 * commands kept), "distance" (relative to the set's top staff) and "resize"
 * (percent). All texts are UTF-8. */
class QZStaffSetTemplate
{
public:
    struct Staff
    {
        std::string fullName;
        std::string abbreviatedName;
        int32_t distance = 0;
        int32_t resize = 100;
    };
    struct StaffSet
    {
        int number = 0;
        std::string name;
        std::vector<Staff> staves;
    };

    static const char* const kFormat;
    static constexpr int kVersion = 1;
    /* Files larger than this are not read. */
    static constexpr uint64_t kMaxFileSize = 1024 * 1024;

    std::vector<StaffSet>& GetStaffSets() { return _staffsets; }
    const std::vector<StaffSet>& GetStaffSets() const { return _staffsets; }

    /* The template as JSON text. */
    std::string CreateJSON() const;
    /* Replaces the template by the one in the text; false (template
       unchanged) with the reason in *pError when the text is not a template
       this version reads. */
    bool ReadJSON(const std::string& text, std::string* pError);

    /* Writes the file next to its final path and renames it over the path
       once it is on disk: an old file stays whole when the save fails. */
    bool WriteFile(const std::string& path) const;
    /* Reads the template from the file; false with the reason in *pError. */
    bool ReadFile(const std::string& path, std::string* pError);

private:
    std::vector<StaffSet> _staffsets;
};

#endif
