#include "core/__FCBase.h"

#include "core/FCLiveObjects.h"

#include <cstring>

__FCBase::__FCBase() : _userdata(nullptr), _reserved(nullptr) { FCLiveObjects::_Created(); }

__FCBase::__FCBase(const __FCBase&) : _userdata(nullptr), _reserved(nullptr) { FCLiveObjects::_Created(); }

__FCBase& __FCBase::operator=(const __FCBase&) { return *this; }

int __FCBase::GetClassID() const { return 0; }

const char* __FCBase::ClassName() const { return "__FCBase"; }

__FCBase::~__FCBase() { FCLiveObjects::_Destroyed(); }

bool __FCBase::IsIdentical(const __FCBase* pOther) const
{
    if (!pOther)
        return false;
    const char* mine = ClassName();
    const char* theirs = pOther->ClassName();
    /* The same constant, or an equal copy of it from another translation unit. */
    return mine == theirs || (mine && theirs && std::strcmp(mine, theirs) == 0);
}

namespace
{
template <typename Word>
void SetFlag(Word* pWord, Word mask, bool on)
{
    if (!pWord)
        return;
    if (on)
        *pWord = static_cast<Word>(*pWord | mask);
    else
        *pWord = static_cast<Word>(*pWord & ~mask);
}
} // namespace

void __FCBase::Set16BitFlag(uint16_t* pWord, uint16_t mask, bool on) { SetFlag(pWord, mask, on); }

void __FCBase::Set32BitFlag(uint32_t* pWord, uint32_t mask, bool on) { SetFlag(pWord, mask, on); }
