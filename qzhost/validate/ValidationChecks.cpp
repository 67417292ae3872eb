#include "qzhost/validate/ValidationChecks.h"

#include <algorithm>

ValidationChecks& ValidationChecks::Instance()
{
    static ValidationChecks checks;
    return checks;
}

void ValidationChecks::Add(const CheckGroup& group) { _groups.push_back(group); }

std::vector<const CheckGroup*> ValidationChecks::AtLevel(int level) const
{
    std::vector<const CheckGroup*> found;
    for (const CheckGroup& group : _groups)
        if (group.level == level)
            found.push_back(&group);
    std::sort(found.begin(), found.end(), [](const CheckGroup* a, const CheckGroup* b) { return a->id < b->id; });
    return found;
}

std::vector<int> ValidationChecks::Levels() const
{
    std::vector<int> levels;
    for (const CheckGroup& group : _groups)
        levels.push_back(group.level);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    return levels;
}

CheckGroupRegistration::CheckGroupRegistration(const char* id, int level, const char* title, CheckGroupFunction run)
{
    ValidationChecks::Instance().Add(CheckGroup{id, level, title, run});
}
