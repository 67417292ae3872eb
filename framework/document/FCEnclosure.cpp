#include "FCEnclosure.h"

#include <cstring>

FCEnclosure::FCEnclosure() { std::memset(_record, 0, sizeof _record); }

int FCEnclosure::GetClassID() const { return 26; }

const char* FCEnclosure::ClassName() const { return "FCEnclosure"; }

void* FCEnclosure::Allocate() { return _record; }

__FCBaseData* FCEnclosure::CreateObject() { return new FCEnclosure(); }

uint32_t FCEnclosure::Tag() const { return GetCustomTag() ? GetCustomTag() : kExpressionEnclosureTag; }

uint32_t FCEnclosure::DataSizeLoad() const { return kRecordSize; }
