#ifndef FRAMEWORK_CORE___FCNOINCIDETAIL_H
#define FRAMEWORK_CORE___FCNOINCIDETAIL_H

#include <cstdint>

#include "records/__FCDetail.h"

/* Detail records with one record per pair of item numbers: key (item1,
   item2, 0). Concrete classes supply LoadFirst. */
class __FCNoInciDetail : public __FCDetail
{
public:
    const char* ClassName() const override;

    bool Load(uint16_t item1, uint16_t item2);
    /* Creates the record (item1, new item2 chosen by the host, 0). */
    bool SaveNew(uint16_t item1);
};

#endif
