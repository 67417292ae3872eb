#ifndef QZHOST_UIVARIANT_H
#define QZHOST_UIVARIANT_H

/* The two variants of this build's plug-in module: the headless one and the
   Cocoa one (built where GNUstep is). `run` and `script` take
   "--ui headless|cocoa"; `load` without a module then takes that variant
   (unless $QZ_PLUGIN names another module). */

#include "qzhost/CommandRegistry.h"

#include <string>

enum class UiVariant
{
    kHeadless,
    kCocoa
};

/* The variant that `load` takes in this process (headless until set). */
UiVariant DefaultUiVariant();
void SetDefaultUiVariant(UiVariant variant);

/* The module file of a variant in this build; "" when it was not built. */
std::string BuiltModule(UiVariant variant);

/* Takes "--ui WORD" (or "--ui=WORD") out of args, wherever it stands. False,
   with the reason, for an unknown word, a missing word, a variant this
   build does not have, or the Cocoa variant without a display ($DISPLAY
   unset or empty); variant is left alone when there is no option. */
bool TakeUiOption(CommandArgs& args, UiVariant& variant, std::string& error);

#endif
