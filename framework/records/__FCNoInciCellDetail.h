#ifndef FRAMEWORK_CORE___FCNOINCICELLDETAIL_H
#define FRAMEWORK_CORE___FCNOINCICELLDETAIL_H

#include "records/__FCCellDetail.h"

/* Cell details with one record per cell: key (staff, measure, 0). Stepping
   and creating are refused; classes that can create one override SaveNew. */
class __FCNoInciCellDetail : public __FCCellDetail
{
public:
    const char* ClassName() const override;

    bool LoadFirst() override;
    bool LoadNext() override;
    bool SaveNew() override;
};

#endif
