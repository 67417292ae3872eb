/* The staff set names of FCStaffSetPanelHandler: one text expression per
   named staff set, in the expression category szSpecialCategoryName. */

#include "document/FCCategoryDef.h"
#include "records/FCRecordField.h"
#include "staffsetpanel/FCStaffSetPanelHandler.h"
#include "document/FCTextExpressionDef.h"
#include "document/FCTextExpressionDefs.h"
#include "document/FCItemOrderLoader.h"
#include "ui/FCUI.h"

const char* const szSpecialCategoryName = "QZ Plug-in Data";
const char* const szExpressionStandardString = "^font(Times New Roman)^size(12)^efx(0)QZ Staff Set Panel Data";

namespace
{
constexpr const char* kNamePrefix = "QZ Staff Set Panel ";
/* Category ID bits of a text expression (the word at offset 26). */
constexpr FCRecordBits<uint16_t> kExpressionCategory{26, 0, 14};

constexpr const char* kMissingCategoryTitle = "Category doesn't exist";
/* The message around the two mentions of the category name. */
constexpr const char* kMissingCategoryText[] = {
    "To be able to save the staff set name to the document, an expression category named '",
    "' (exact name, without the quotes) needs to be created MANUALLY first, such as:\n\n"
    "1. Select 'Document/Category Designer...' in Finale\n"
    "2. Create a duplicate of any category and name the duplicate '",
    "'.",
};

/* The category looked for by name, and its ID once found (-1 until then). */
struct CategorySearch
{
    const char* pName;
    int16_t id;
};

bool VisitCategory(__FCNoInciOther* pRecord, void* pContext)
{
    CategorySearch& search = *static_cast<CategorySearch*>(pContext);
    const FCCategoryDef* pCategory = static_cast<const FCCategoryDef*>(pRecord);
    FCString name;
    pCategory->GetName(&name);
    if (!name.IsEqualCString(search.pName))
        return true;
    search.id = pCategory->GetID();
    return false;
}
} // namespace

int16_t FCStaffSetPanelHandler::FindSpecialCategoryID()
{
    /* One scratch record walks the categories in item order, stopping at
       the first of the name; no object is made per category. */
    CategorySearch search{szSpecialCategoryName, -1};
    FCCategoryDef scratch;
    FCItemOrderLoader::Visit(&scratch, &VisitCategory, &search);
    return search.id;
}

void FCStaffSetPanelHandler::BuildPrefixString(FCString* pString, int staffSet)
{
    if (!pString)
        return;
    pString->SetCString(kNamePrefix);
    pString->AppendInteger(staffSet);
    pString->AppendCString(":");
}

FCTextExpressionDef* FCStaffSetPanelHandler::_FindExpression(FCTextExpressionDefs* pExpressions, int staffSet,
                                                             int16_t categoryID)
{
    if (!pExpressions || categoryID == -1)
        return nullptr;
    FCString prefix;
    BuildPrefixString(&prefix, staffSet);
    for (int index = 0; index < pExpressions->GetCount(); ++index) {
        FCTextExpressionDef* pExpression = pExpressions->GetItemAt(index);
        if (!pExpression || pExpression->_GetBits(kExpressionCategory) != static_cast<uint32_t>(categoryID))
            continue;
        FCString description;
        pExpression->GetDescription(&description);
        if (description.StartsWithString(&prefix))
            return pExpression;
    }
    return nullptr;
}

FCTextExpressionDef* FCStaffSetPanelHandler::FindStaffSetExpression(FCTextExpressionDefs* pExpressions, int staffSet)
{
    if (!pExpressions)
        return nullptr;
    return _FindExpression(pExpressions, staffSet, FindSpecialCategoryID());
}

void FCStaffSetPanelHandler::_ReadName(const FCTextExpressionDef* pExpression, int staffSet, FCString* pName)
{
    FCString prefix;
    BuildPrefixString(&prefix, staffSet);
    FCString description;
    pExpression->GetDescription(&description);
    /* Only the leading prefix goes: a name may hold the prefix text itself. */
    description.DeleteCharactersAt(0, prefix.GetLength());
    pName->SetString(&description);
}

bool FCStaffSetPanelHandler::_WriteName(FCTextExpressionDef* pExpression, int staffSet, const FCString* pName)
{
    FCString description;
    BuildPrefixString(&description, staffSet);
    description.AppendString(pName);
    pExpression->SetDescription(&description);
    return pExpression->Save();
}

void FCStaffSetPanelHandler::GetStoredName(FCString* pResult, int staffSet)
{
    if (!pResult || FindSpecialCategoryID() == -1)
        return;
    FCTextExpressionDefs expressions;
    expressions.LoadAll();
    const FCTextExpressionDef* pExpression = FindStaffSetExpression(&expressions, staffSet);
    if (pExpression)
        _ReadName(pExpression, staffSet, pResult);
}

namespace
{
/* State of one pass of GetStoredNames over the expressions. */
struct NamePass
{
    FCStaffSetPanelHandler* pHandler;
    int16_t categoryID;
    FCString prefixes[FCStaffSetPanelHandler::kLastStaffSet + 1];
    bool found[FCStaffSetPanelHandler::kLastStaffSet + 1];
    int missing;
    FCString* pNames;
};
} // namespace

bool FCStaffSetPanelHandler::_VisitNameExpression(__FCNoInciOther* pRecord, void* pContext)
{
    NamePass& pass = *static_cast<NamePass*>(pContext);
    const FCTextExpressionDef* pExpression = static_cast<const FCTextExpressionDef*>(pRecord);
    if (pExpression->_GetBits(kExpressionCategory) != static_cast<uint32_t>(pass.categoryID))
        return true;
    FCString description;
    pExpression->GetDescription(&description);
    for (int n = kFirstStaffSet; n <= kLastStaffSet; ++n) {
        if (pass.found[n] || !description.StartsWithString(&pass.prefixes[n]))
            continue;
        pass.pHandler->_ReadName(pExpression, n, &pass.pNames[n]);
        pass.found[n] = true;
        --pass.missing;
        break;
    }
    return pass.missing > 0;
}

void FCStaffSetPanelHandler::GetStoredNames(FCString* pNames)
{
    if (!pNames)
        return;
    NamePass pass;
    pass.categoryID = FindSpecialCategoryID();
    if (pass.categoryID == -1)
        return;
    pass.pHandler = this;
    pass.missing = kLastStaffSet;
    pass.pNames = pNames;
    for (int n = kFirstStaffSet; n <= kLastStaffSet; ++n) {
        BuildPrefixString(&pass.prefixes[n], n);
        pass.found[n] = false;
    }
    FCTextExpressionDef scratch;
    FCItemOrderLoader::Visit(&scratch, &_VisitNameExpression, &pass);
}

bool FCStaffSetPanelHandler::AssureCategory()
{
    if (FindSpecialCategoryID() != -1)
        return true;
    if (_pUI) {
        FCString message(kMissingCategoryText[0]);
        for (size_t piece = 1; piece < sizeof kMissingCategoryText / sizeof kMissingCategoryText[0]; ++piece) {
            message.AppendCString(szSpecialCategoryName);
            message.AppendCString(kMissingCategoryText[piece]);
        }
        FCString title(kMissingCategoryTitle);
        _pUI->AlertInfo(&message, &title);
    }
    return false;
}

bool FCStaffSetPanelHandler::SaveStaffSetName(FCString* pName, int staffSet)
{
    if (!pName || !AssureCategory())
        return false;
    FCTextExpressionDefs expressions;
    expressions.LoadAll();
    const int16_t categoryID = FindSpecialCategoryID();
    FCTextExpressionDef* pExpression = _FindExpression(&expressions, staffSet, categoryID);
    FCTextExpressionDef created;
    if (!pExpression) {
        FCString text(szExpressionStandardString);
        if (categoryID == -1 || !created.SaveNewTextBlock(&text))
            return false;
        created._SetBits(kExpressionCategory, static_cast<uint32_t>(categoryID));
        if (!created.SaveNew())
            return false;
        pExpression = &created;
    }
    return _WriteName(pExpression, staffSet, pName);
}

bool FCStaffSetPanelHandler::DeleteStaffSetName(int staffSet)
{
    FCTextExpressionDefs expressions;
    expressions.LoadAll();
    FCTextExpressionDef* pExpression = FindStaffSetExpression(&expressions, staffSet);
    return !pExpression || pExpression->DeleteData();
}

bool FCStaffSetPanelHandler::_DeepDeleteName(int staffSet)
{
    FCTextExpressionDefs expressions;
    expressions.LoadAll();
    FCTextExpressionDef* pExpression = FindStaffSetExpression(&expressions, staffSet);
    return !pExpression || pExpression->DeepDeleteData();
}
