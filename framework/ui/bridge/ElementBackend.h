#ifndef FRAMEWORK_UI_BRIDGE_ELEMENTBACKEND_H
#define FRAMEWORK_UI_BRIDGE_ELEMENTBACKEND_H

#include <string>

class FCString;
class _FCWindowController_cocoa;

/* The primitive element operations the bridge's shared rules are written
 * against. Each backend (headless/, cocoa/) defines every function once over
 * its own elements; the rules (which kind an operation needs, the neutral
 * result of a missing element, index checks, selection bookkeeping, value
 * rounding) stay in framework/ui/bridge/. An Element is only ever handed back
 * to the backend that found it, and is never null when handed back. */
namespace ElementBackend
{
using Element = void*;

/* What an element is looked up as: a lookup of another kind finds nothing.
   Buttons are push buttons, check boxes and radio buttons (not popups);
   tables are table views that are not outlines; controls are the elements
   that can be enabled. */
enum class Kind
{
    Any,
    Control,
    Button,
    PopUp,
    Segmented,
    Stepper,
    Slider,
    TextField,
    Table,
    Outline
};

/* The element of the bridge's loaded window with the tag, when it is of the
   kind; null otherwise (no window loaded included). */
Element Find(const _FCWindowController_cocoa* pBridge, int tag, Kind kind);
bool Is(Element element, Kind kind);
/* The element itself, or the scroll view it is shown in. */
Element Frame(Element element);

bool IsHidden(Element element);
/* Neither hidden itself nor inside a hidden view. */
bool IsShown(Element element);
void SetHidden(Element element, bool hidden);
/* Elements that cannot be disabled count as enabled. */
bool IsEnabled(Element element);
void SetEnabled(Element element, bool enabled);

/* Buttons: 0 off, 1 on, 2 mixed. */
int State(Element element);
void SetState(Element element, int state);
bool AllowsMixedState(Element element);

/* Popup items and the segments of a segmented control (segments are only
   ever appended). Indexes are in range when handed over; a selection of -1
   is none. */
int ItemCount(Element element);
void InsertItem(Element element, int index, FCString* pTitle);
void RemoveItem(Element element, int index);
void RemoveAllItems(Element element);
void GetItemTitle(Element element, int index, FCString* pTitle);
/* The title as shown, in UTF-8. */
std::string ItemText(Element element, int index);
void SetItemTitle(Element element, int index, FCString* pTitle);
int SelectedItem(Element element);
void SelectItem(Element element, int index);

/* Steppers and sliders (tick marks: sliders only). */
enum class Number
{
    Minimum,
    Maximum,
    Value,
    TickMarks
};
double GetNumber(Element element, Number number);
void SetNumber(Element element, Number number, double value);
/* What a click on a stepper sends: the bridge's Notify_StepperPressed. */
void SendAction(_FCWindowController_cocoa* pBridge, Element element);
} // namespace ElementBackend

#endif
