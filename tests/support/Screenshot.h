#ifndef QZTEST_SCREENSHOT_H
#define QZTEST_SCREENSHOT_H

/* A picture of an area of the X screen (ImageMagick's import), kept under
   the build tree's artifacts/ folder (/tmp/artifacts outside CTest) for a
   person to look at. */

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/RunProgram.h"

/* The file the area was saved to, "" when no picture was made. */
inline std::string TakeScreenshot(const std::string& name, int left, int top, int width, int height)
{
    const char* buildDir = std::getenv("QZ_BUILD_DIR");
    const std::string folder = std::string(buildDir ? buildDir : "/tmp") + "/artifacts";
    mkdir(folder.c_str(), 0755);
    const std::string shot = folder + "/" + name;
    std::remove(shot.c_str());
    const std::string geometry =
        std::to_string(width) + "x" + std::to_string(height) + "+" + std::to_string(left) + "+" + std::to_string(top);
    RunProgram("import -window root -crop " + geometry + " +repage '" + shot + "'", ErrorOutput::Dropped);
    struct stat file
    {};
    return stat(shot.c_str(), &file) == 0 ? shot : std::string();
}

#endif
