#include "hostsim/HostCall.h"

namespace hostsim
{

HostCall::HostCall(const char* function, uint32_t version) : engine_(Engine::instance()), function_(function)
{
    engine_.checkThread(function);
    CallEntry& e = engine_.log.addCall();
    entry_ = &e;
    if (!engine_.log.keepsCalls())
        return; /* an entry nobody reads: what the call writes to it is dropped */
    e.function = function;
    e.version = version;
    Document* doc = engine_.current();
    e.document = doc ? doc->id() : 0;
    e.part = doc ? doc->currentPart : 0;
    e.editDepth = doc ? int32_t(doc->editDepth()) : 0;
    e.inPluginCall = engine_.inPluginCall();
}

void HostCall::setRecord(uint32_t tag, const RecordKey& key, KeyShape shape)
{
    entry_->tag = tag;
    size_t n = RecordKey::wordCount(shape);
    entry_->keyParts = int32_t(n > 3 ? 3 : n);
    for (size_t i = 0; i < 3; ++i)
        entry_->key[i] = key.part(i);
    record_ = std::make_pair(tag, key);
}

void HostCall::note(const std::string& text)
{
    if (!kept())
        return;
    if (!entry_->note.empty())
        entry_->note += "; ";
    entry_->note += text;
}

bool HostCall::injectedFailure()
{
    if (engine_.failures.empty())
        return false; // the common case, without building the match
    FailMode mode = engine_.failures.take(function_, record_);
    if (mode == FailMode::Off)
        return false;
    note(mode == FailMode::Missing ? "missing (injected)" : "refused (injected)");
    return true;
}

void HostCall::noteStep(const RecordKey& key, KeyShape shape)
{
    entry_->stepKey = key;
    entry_->stepShape = static_cast<int>(shape);
    entry_->hasStep = true;
}

Document* HostCall::document() { return engine_.current(); }

void HostCall::violation(const std::string& text)
{
    engine_.violation(Severity::Error, std::string(function_) + ": " + text);
    note(text);
}

} // namespace hostsim
