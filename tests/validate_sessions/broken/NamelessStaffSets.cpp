/* Linked in place of the handler's name store: staff sets are written, their
   name expressions never are, and the handler reports success. */

class FCStaffSetPanelHandler;
class FCString;

extern "C" bool __wrap__ZN22FCStaffSetPanelHandler16SaveStaffSetNameEP8FCStringi(FCStaffSetPanelHandler*, FCString*,
                                                                                 int)
{
    return true;
}
