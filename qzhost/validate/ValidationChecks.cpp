#include "qzhost/validate/ValidationChecks.h"

std::vector<const CheckGroup*> CheckGroupsAtLevel(int level)
{
    std::vector<const CheckGroup*> found;
    for (const CheckGroup* group :
         Registry<CheckGroup>::Instance().Sorted([](const CheckGroup&a, const CheckGroup&b) { return a.id < b.id; }))
        if (group->level == level)
            found.push_back(group);
    return found;
}

std::vector<int> CheckLevels()
{
    std::vector<int> levels;
    for (const CheckGroup& group : Registry<CheckGroup>::Instance().Entries())
        levels.push_back(group.level);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    return levels;
}
