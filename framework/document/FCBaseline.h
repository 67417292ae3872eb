#ifndef FRAMEWORK_DOCUMENT_FCBASELINE_H
#define FRAMEWORK_DOCUMENT_FCBASELINE_H

#include <cstdint>

#include "records/__FCCollectionDetail.h"
#include "records/__FCDetail.h"
#include "document/__FCRecordClassMacros.h"

/* A lyric or other baseline of a system or staff (10 bytes). The tag depends
   on the kind of baseline: the owner sets it (custom tag), else the class
   default. */
class FCBaseline : public __FCDetail
{
    FCRECORD_CLASS_MEMBERS(10)
    /* Loads the first existing baseline of the tag. */
    bool LoadFirst() override;
};

/* A list of baselines. */
FCRECORD_COLLECTION_CLASS(FCBaselines, __FCCollectionDetail, FCBaseline)

#endif
