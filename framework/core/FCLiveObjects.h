#ifndef FRAMEWORK_CORE_FCLIVEOBJECTS_H
#define FRAMEWORK_CORE_FCLIVEOBJECTS_H

/* How many framework objects (every __FCBase, whatever its class) exist right
   now. __FCBase's constructors and destructor keep the count, so a driver can
   check that a piece of work gave back every object it made: read the count
   before, run the work, read it again. Objects that live for the whole
   process (the few process-wide strings made at load) are part of the count
   from the start. */

class FCLiveObjects
{
public:
    static long Count();

    /* Called by __FCBase only. */
    static void _Created();
    static void _Destroyed();
};

#endif
