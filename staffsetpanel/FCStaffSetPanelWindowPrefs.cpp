/* The panel's stored position (prefs file) and its shading option (options
   file). */

#include "staffsetpanel/FCStaffSetPanelWindow.h"

#include <memory>

#include "strings/FCNumber.h"
#include "strings/FCSettingsPair.h"
#include "staffsetpanel/QZOptionsFiles.h"

const char* const FCStaffSetPanelWindow::kWindowXKey = "QZSTAFFSETP_WINDOWX";
const char* const FCStaffSetPanelWindow::kWindowYKey = "QZSTAFFSETP_WINDOWY";
const char* const FCStaffSetPanelWindow::kWindowShadeKey = "REDAREDAVIZODIR_WINDOWSHADE";

namespace
{

std::unique_ptr<FCSettingsPair> LoadPair(const char* key, bool prefsFile)
{
    FCString keyString(key);
    return std::unique_ptr<FCSettingsPair>(LoadQZOptionsPair(&keyString, prefsFile));
}

/* A coordinate as it is stored: a decimal integer, truncated toward zero
   and held within the integer range (a stored 2147483647 is read back as
   2^31). */
void CoordinateText(float value, FCString* pText)
{
    FCNumber whole;
    whole.SetFloat(value);
    pText->SetInteger(whole.GetInt());
}

} // namespace

void FCStaffSetPanelWindow::LoadUserPrefs()
{
    std::unique_ptr<FCSettingsPair> pX = LoadPair(kWindowXKey, true);
    std::unique_ptr<FCSettingsPair> pY = LoadPair(kWindowYKey, true);
    if (!pX || !pY)
        return;
    SetRestorePositionOnlyData(static_cast<float>(pX->GetValue()->GetInteger(0)),
                               static_cast<float>(pY->GetValue()->GetInteger(0)));
}

void FCStaffSetPanelWindow::SaveUserPrefs()
{
    /* The position on screen now, not only the one of the last close. */
    if (WindowExists())
        StorePosition(false);
    FCString xKey(kWindowXKey), yKey(kWindowYKey), x, y;
    CoordinateText(GetStoredX(), &x);
    CoordinateText(GetStoredY(), &y);
    FCSettingsPair xPair(&xKey, &x), yPair(&yKey, &y);
    FCSettingsPair* pairs[] = {&xPair, &yPair};
    SaveQZOptionsPairs(pairs, 2, true);
}

void FCStaffSetPanelWindow::LoadQZPluginToolSettings()
{
    _shadewheninactive = false;
    std::unique_ptr<FCSettingsPair> pShade = LoadPair(kWindowShadeKey, false);
    if (pShade)
        _shadewheninactive = pShade->GetValue()->IsEqualCString("1");
}
