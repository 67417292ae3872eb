#include "qzhost/UiVariant.h"

#include <cstdlib>

namespace
{

UiVariant gDefault = UiVariant::kHeadless;

/* The Cocoa variant opens real windows: on X11 it needs a display. */
bool HasDisplay()
{
#ifdef __APPLE__
    return true;
#else
    const char* display = std::getenv("DISPLAY");
    return display && *display;
#endif
}

bool ParseWord(const std::string& word, UiVariant& variant, std::string& error)
{
    if (word == "headless")
        variant = UiVariant::kHeadless;
    else if (word == "cocoa")
        variant = UiVariant::kCocoa;
    else {
        error = "--ui takes headless or cocoa, not \"" + word + "\"";
        return false;
    }
    if (BuiltModule(variant).empty()) {
        error = "this build has no " + word + " variant of the plug-in (the Cocoa one needs GNUstep)";
        return false;
    }
    if (variant == UiVariant::kCocoa && !HasDisplay()) {
        error = "no display: run under xvfb-run, or use the terminal mode";
        return false;
    }
    return true;
}

} // namespace

UiVariant DefaultUiVariant() { return gDefault; }

void SetDefaultUiVariant(UiVariant variant) { gDefault = variant; }

std::string BuiltModule(UiVariant variant)
{
    if (variant == UiVariant::kHeadless) {
#ifdef QZHOST_PLUGIN_MODULE
        return QZHOST_PLUGIN_MODULE;
#endif
    }
    else {
#ifdef QZHOST_COCOA_PLUGIN_MODULE
        return QZHOST_COCOA_PLUGIN_MODULE;
#endif
    }
    return "";
}

bool TakeUiOption(CommandArgs& args, UiVariant& variant, std::string& error)
{
    static const std::string kOption = "--ui";
    for (size_t i = 0; i < args.size(); ++i) {
        std::string word;
        size_t taken = 1;
        if (args[i] == kOption) {
            if (i + 1 >= args.size()) {
                error = "--ui needs a word: headless or cocoa";
                return false;
            }
            word = args[i + 1];
            taken = 2;
        }
        else if (args[i].compare(0, kOption.size() + 1, kOption + "=") == 0)
            word = args[i].substr(kOption.size() + 1);
        else
            continue;
        if (!ParseWord(word, variant, error))
            return false;
        args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i + taken));
        return true;
    }
    return true;
}
