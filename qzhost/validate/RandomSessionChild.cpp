#include "qzhost/validate/RandomSessionChild.h"

#include "qzhost/session/Session.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

void ChildChannel::Send(char tag, const std::string& payload) const
{
    const std::string message = tag + payload + '\0';
    size_t done = 0;
    while (done < message.size()) {
        const ssize_t written = write(_fd, message.data() + done, message.size() - done);
        if (written <= 0)
            return;
        done += static_cast<size_t>(written);
    }
}

ChildOutcome RunInChildProcess(const std::function<void(const ChildChannel&)>& body)
{
    ChildOutcome outcome;
    int fds[2];
    if (pipe(fds) != 0) {
        outcome.started = false;
        return outcome;
    }
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        body(ChildChannel(fds[1]));
        close(fds[1]);
        _exit(0);
    }
    close(fds[1]);
    std::string data;
    char buffer[65536];
    for (ssize_t got; (got = read(fds[0], buffer, sizeof buffer)) > 0;)
        data.append(buffer, static_cast<size_t>(got));
    close(fds[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) {
        outcome.started = false;
        return outcome;
    }
    for (const std::string& message : SplitText(data, '\0'))
        if (!message.empty())
            outcome.messages.emplace_back(message[0], message.substr(1));
    if (WIFSIGNALED(status))
        outcome.abnormalEnd = "the process died of signal " + std::to_string(WTERMSIG(status));
    else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        outcome.abnormalEnd = "the process ended with status " + std::to_string(WEXITSTATUS(status));
    return outcome;
}

bool RunScriptLine(Session& session, const std::string& text, Outcome& outcome)
{
    qzscript::Line line;
    qzscript::Error error;
    if (!qzscript::ParseLine(text, 1, line, error)) {
        outcome = Outcome::Error(error.message);
        return false;
    }
    if (line.words.empty()) {
        outcome = Outcome::Done();
        return true;
    }
    outcome = RunSessionLine(session, line);
    return outcome.kind == Outcome::kDone;
}

std::vector<std::string> SplitText(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}
