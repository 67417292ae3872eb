#ifndef QZHOST_WINDOW_SCOREREADER_H
#define QZHOST_WINDOW_SCOREREADER_H

/* Reads what the window shows (ScoreModel) from a session's host, through
   the engine's driver functions only; never during a plug-in call. */

#include "qzhost/window/ScoreModel.h"

#include <string>
#include <vector>

class Session;

class ScoreReader
{
public:
    static ScoreModel Read(const Session& session);
    /* The words of the select command for a selection ("select 2-5 1-8"). */
    static std::vector<std::string> SelectWords(const ScoreSelection& selection);
};

#endif
