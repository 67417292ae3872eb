#ifndef TESTS_UNIT_RECORDS_TESTRECORDS_H
#define TESTS_UNIT_RECORDS_TESTRECORDS_H

/* Record classes of the tests' own, one per key family, built from one
   template: a fixed-size record embedded in the object, a fixed tag (or the
   custom tag when one is set) and the default record layout version. */

#include <cstdint>
#include "common/qz_fourcc.h"
#include <cstring>

#include "records/FCOtherIncis.h"
#include "records/__FCBrowserNoInciOther.h"
#include "document/__FCBrowserRegionBase.h"
#include "records/__FCCellDetail.h"
#include "document/__FCCollectionCellDetail.h"
#include "records/__FCCollectionInciOther.h"
#include "document/__FCCollectionNoInciCellDetail.h"
#include "records/__FCCollectionNoInciDetail.h"
#include "records/__FCCollectionNoInciOther.h"
#include "records/__FCGlobals.h"
#include "records/__FCInci.h"
#include "records/__FCInciOther.h"
#include "records/__FCNoInciCellDetail.h"
#include "records/__FCNoInciDetail.h"
#include "records/__FCNoInciOther.h"

template <class BASE, uint32_t TAG, uint32_t SIZE>
class TestRecord : public BASE
{
    alignas(8) unsigned char _bytes[SIZE];

public:
    TestRecord() : _bytes{} {}

    const char* ClassName() const override { return "TestRecord"; }
    void* Allocate() override { return _bytes; }
    __FCBaseData* CreateObject() override { return new TestRecord(); }
    uint32_t Tag() const override { return this->GetCustomTag() ? this->GetCustomTag() : TAG; }
    uint32_t DataSizeLoad() const override { return SIZE; }

    /* Test access to the payload. */
    FCRECORD_FIELD(Word0, int16_t, 0)
    FCRECORD_FIELD(Word2, int16_t, 2)
    FCRECORD_FIELD(Long4, int32_t, 4)

    /* A fresh record of SIZE zero bytes whose first word is value. */
    void Prepare(int16_t value)
    {
        this->_PrepareNewRecord(SIZE);
        SetWord0(value);
    }
};

/* Families whose LoadFirst is left to the concrete class. */
template <class BASE>
class FirstIsItemOne : public BASE
{
public:
    bool LoadFirst() override { return this->Load(1, 0); }
};

template <class BASE>
class CellDetailWithFlag : public BASE
{
public:
    int flagCalls = 0;
    bool _SaveMeasureFlag() override
    {
        ++flagCalls;
        return true;
    }
};

constexpr uint32_t kOtherTag = QZ_FOURCC("otDe");      /* no-incident, 12 bytes */
constexpr uint32_t kIncidentTag = QZ_FOURCC("otQZ");   /* incident, 12 bytes */
constexpr uint32_t kDetailTag = QZ_FOURCC("dtXa");     /* detail, 10 bytes */
constexpr uint32_t kCellDetailTag = QZ_FOURCC("dtmt"); /* cell detail, 10 bytes */
constexpr uint32_t kGlobalsTag = QZ_FOURCC("gbcf");    /* globals */

using TestOther = TestRecord<__FCNoInciOther, kOtherTag, 12>;
using TestInciOther = TestRecord<__FCInciOther, kIncidentTag, 12>;
using TestInci = TestRecord<FirstIsItemOne<__FCInci>, kIncidentTag, 12>;
using TestDetail = TestRecord<FirstIsItemOne<__FCNoInciDetail>, kDetailTag, 10>;
using TestCellDetail = TestRecord<CellDetailWithFlag<__FCCellDetail>, kCellDetailTag, 10>;
using TestNoInciCellDetail = TestRecord<CellDetailWithFlag<__FCNoInciCellDetail>, kCellDetailTag, 10>;
using TestGlobals = TestRecord<__FCGlobals, kGlobalsTag, 20>;

/* Lists of the test records. */
template <class BASE, class ELEMENT>
class TestList : public BASE
{
public:
    __FCBaseData* CreateElement() override { return new ELEMENT(); }
    ELEMENT* At(int index) const { return dynamic_cast<ELEMENT*>(this->GetItemAt(index)); }
};

using TestOthers = TestList<__FCCollectionNoInciOther, TestOther>;
using TestInciOthers = TestList<__FCCollectionInciOther, TestInciOther>;
using TestDetails = TestList<__FCCollectionNoInciDetail, TestDetail>;
using TestCellDetails = TestList<__FCCollectionCellDetail, TestCellDetail>;
using TestNoInciCellDetails = TestList<__FCCollectionNoInciCellDetail, TestNoInciCellDetail>;
using TestGlobalsList = TestList<__FCCollectionData, TestGlobals>;

class TestOtherBrowser : public __FCBrowserNoInciOther
{
public:
    __FCBaseData* CreateElement() override { return new TestOther(); }
};

/* A cell and a region with the interfaces the record core relies on. */
class TestCell : public __FCBase
{
    int _measure;
    int _staff;

public:
    TestCell(int measure, int staff) : _measure(measure), _staff(staff) {}
    int GetMeasure() const { return _measure; }
    int GetStaff() const { return _staff; }
};

class TestRegion : public __FCBase
{
    EREGION _region;

public:
    explicit TestRegion(const EREGION& region) : _region(region) {}
    void GetEnigmaRegion(EREGION* pOut) const { *pOut = _region; }
};

#endif
