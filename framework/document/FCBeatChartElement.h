#ifndef FRAMEWORK_DOCUMENT_FCBEATCHARTELEMENT_H
#define FRAMEWORK_DOCUMENT_FCBEATCHARTELEMENT_H

#include <cstdint>

#include "records/__FCCollectionInciOther.h"
#include "records/__FCInciOther.h"
#include "document/__FCRecordClassMacros.h"

/* A beat chart entry of a measure (12 bytes). */
class FCBeatChartElement : public __FCInciOther
{
    FCRECORD_CLASS_MEMBERS(12)
};

/* A list of FCBeatChartElement records. */
FCRECORD_COLLECTION_CLASS(FCBeatChartElements, __FCCollectionInciOther, FCBeatChartElement)

#endif
