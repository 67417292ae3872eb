#ifndef FRAMEWORK_DOCUMENT_FCMETATOOLASSIGNMENT_H
#define FRAMEWORK_DOCUMENT_FCMETATOOLASSIGNMENT_H

#include <cstdint>

#include "records/__FCCollectionNoInciOther.h"
#include "records/__FCNoInciOther.h"
#include "document/__FCRecordClassMacros.h"

/* A metatool key assignment (12 bytes). Its tag comes from its kind:
 * 1 'ot&d', 2 'ot&a', 3 'ot&r', 4 'ot&f', 6 'ot&s'; other kinds have no tag
 * and cannot be loaded or saved. */
class FCMetatoolAssignment : public __FCNoInciOther
{
    FCRECORD_CLASS_MEMBERS(12)

    explicit FCMetatoolAssignment(int kind = 0);

    /* Each of these is refused without asking the host when the kind has no
       tag. */
    bool Save() override;
    bool DeleteData() override;
    bool Load(uint16_t item) override;
    bool SaveNew() override;

    int GetKind() const { return _kind; }
    void SetKind(int kind) { _kind = kind; }

    /* The record tag of a kind (0 when the kind has none). */
    static uint32_t _TagForKind(int kind);

private:
    int _kind;
};

/* The metatool assignments of one kind. */
class FCMetatoolAssignments : public __FCCollectionNoInciOther
{
public:
    explicit FCMetatoolAssignments(int kind = 0) : _kind(kind) {}

    const char* ClassName() const override;
    __FCBaseData* CreateElement() override;

    FCMetatoolAssignment* GetItemAt(int index) const;

private:
    int _kind;
};

#endif
