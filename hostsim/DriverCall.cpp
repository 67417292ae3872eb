#include "hostsim/DriverCall.h"

#include <optional>
#include <utility>

#include "hostsim/Engine.h"

namespace hostsim
{

Engine& driver(const char* function)
{
    Engine& e = Engine::instance();
    e.driverCall(function);
    return e;
}

ContentWriter writerFor(Engine& e, Document& doc)
{
    return ContentWriter(doc, e.hostVersion, [&e, &doc](const RecordId& id, std::optional<Bytes> b) {
        if (b)
            e.write(doc, id, std::move(*b), Origin::Driver, "put");
        else
            e.remove(doc, id, Origin::Driver);
    });
}

const char* keep(std::string& slot, std::string value)
{
    slot = std::move(value);
    return slot.c_str();
}

} // namespace hostsim
