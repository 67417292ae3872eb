#ifndef HOSTSIM_HOSTCALL_H
#define HOSTSIM_HOSTCALL_H

#include <cstdint>
#include <optional>
#include <string>

#include "hostsim/Engine.h"
#include "hostsim/RecordKey.h"

namespace hostsim
{

/* One FX_ call as the host sees it: logged when made, with its decoded
   arguments, checked against the main thread and against injected failures,
   and finished with its result. */
class HostCall
{
public:
    HostCall(const char* function, uint32_t version);
    HostCall(const HostCall&) = delete;
    HostCall& operator=(const HostCall&) = delete;

    Engine& engine() { return engine_; }
    CallEntry& entry() { return *entry_; }
    const char* function() const { return function_; }

    /* Notes the record the call addresses (for the log and per-record failures). */
    void setRecord(uint32_t tag, const RecordKey& key, KeyShape shape);
    void setSizeIn(uint32_t size) { entry_->sizeIn = size; }
    void setSizeOut(uint32_t size) { entry_->sizeOut = size; }
    /* Whether the call's entry is kept for reading; notes of a call that is
       not kept are dropped, so a costly note may be skipped. */
    bool kept() const { return engine_.log.keepsCalls(); }
    void note(const std::string& text);
    /* Notes the key a step (next, previous) arrived at, as the last note
       ("-> key"); formatted only when the log's text is asked for. */
    void noteStep(const RecordKey& key, KeyShape shape);

    /* True when an injected failure (refusal or "missing") takes this call. */
    bool injectedFailure();

    /* The current document, or null (strict note when the call needs one). */
    Document* document();

    template <class T>
    T finish(T result)
    {
        entry_->result = static_cast<int32_t>(result);
        return result;
    }

    void violation(const std::string& text);

private:
    Engine& engine_;
    CallEntry* entry_;
    const char* function_;
    std::optional<std::pair<uint32_t, RecordKey>> record_;
};

} // namespace hostsim

#endif
