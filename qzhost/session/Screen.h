#ifndef QZHOST_SCREEN_H
#define QZHOST_SCREEN_H

/* What the terminal shows after a command: the panel, the score view, the
   selection and the undo and redo steps. Each part can be printed alone
   (the show command). */

#include <iosfwd>
#include <string>

class Session;

namespace Screen
{
void Panel(Session& session, std::ostream& out);
void Document(Session& session, std::ostream& out);
/* The score view; detailed: one staff a line with its distance. */
void View(Session& session, bool detailed, std::ostream& out);
void Selection(Session& session, std::ostream& out);
void Undo(Session& session, std::ostream& out);
void Log(Session& session, std::ostream& out);
/* Everything above but the log. */
void All(Session& session, std::ostream& out);
/* An event of the session (Session::Notice) as the terminal and the piped
   run print it: a beep as "*** beep ***"; an alert's line unless it was
   asked at the prompt already, then, after an alert that asks for
   something qzhost can do, one hint line naming the command. */
void Event(Session& session, const std::string& line, bool alertAsked, std::ostream& out);
} // namespace Screen

#endif
