#ifndef FRAMEWORK_DOCUMENT_FCGUIDE_H
#define FRAMEWORK_DOCUMENT_FCGUIDE_H

#include "core/__FCBase.h"
#include "core/__FCCollection.h"

/* One guide line of the page view: a position in EVPUs. */
class FCGuide : public __FCBase
{
public:
    explicit FCGuide(int position = 0) : _position(position) {}
    const char* ClassName() const override;
    int GetPosition() const { return _position; }
    void SetPosition(int position) { _position = position; }

private:
    int _position;
};

/* A list of guides. */
class FCGuides : public __FCCollection
{
public:
    const char* ClassName() const override;
    FCGuide* GetItemAt(int index) const;
    /* Appends a guide at the position; returns the new count. */
    int AddGuide(int position);
    /* The first guide at the position (still owned by the list), or null. */
    FCGuide* FindPosition(int position) const;
};

#endif
