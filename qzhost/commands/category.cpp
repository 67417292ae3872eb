/* category add "NAME", category remove "NAME" */

#include "qzhost/session/CommandSupport.h"

namespace
{

const char* const kUsage = "category add|remove \"NAME\"";

Outcome RunCategory(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, kUsage);
    int action = 0;
    std::string name;
    if (!check.Count(2) || !check.Choice(0, {"add", "remove"}, action) || !check.Text(1, name))
        return check.Error();
    const HostEngine& host = session.Host();
    if (!host.hostsim_current_document())
        return Outcome::Error("no document is open");
    if (action == 0)
        return host.hostsim_add_category(name.c_str()) ? Outcome::Done()
                                                       : Outcome::Error("the host could not add the category");
    return host.hostsim_remove_categories(name.c_str())
               ? Outcome::Done()
               : Outcome::Error("the document has no category named " + qzscript::Quote(name));
}

} // namespace

QZHOST_SESSION_COMMAND(category, "category", kUsage, "adds or removes an expression category", RunCategory);
