/* FCString and FCStrings operations on the host's font commands that need
 * the document's font descriptions and expression categories. */
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "document/FCCategoryDef.h"
#include "document/FCFontInfo.h"
#include "strings/FCString.h"
#include "strings/FCStrings.h"
#include "core/FinaleVersion.h"
#include "common/qz_host_versions.h"

namespace
{
/* Category font kinds. */
constexpr int kTextFont = 1;
constexpr int kMusicFont = 2;
constexpr int kNumberFont = 3;

const char* CommandNameOf(int kind)
{
    switch (kind) {
    case kTextFont: return "^fontTxt";
    case kMusicFont: return "^fontMus";
    case kNumberFont: return "^fontNum";
    default: return "^font";
    }
}

/* A font command piece: its kind (0 when the mode leaves it alone) and the
   command name it is rewritten with. False for any other piece. */
bool ClassifyFontCommand(const FCString& piece, int mode, bool retag, int* pKind, const char** pName)
{
    if (piece.IsEqualCString("^font(Font0,0)") || piece.StartsWith("^fontMus("))
        *pKind = kMusicFont;
    else if (piece.StartsWith("^fontTxt("))
        *pKind = kTextFont;
    else if (piece.StartsWith("^fontNum("))
        *pKind = kNumberFont;
    else if (piece.StartsWith("^font(")) {
        *pKind = mode;
        *pName = retag ? CommandNameOf(mode) : "^font";
        return true;
    }
    else
        return false;
    *pName = CommandNameOf(*pKind);
    return true;
}

/* The font command waiting for its size and style pieces. */
struct PendingFont
{
    FCString* pCommand = nullptr;
    FCString* pSize = nullptr;
    FCString* pStyle = nullptr;
    int kind = 0;
    const char* name = "^font";
};

/* The symbol font list inside the host folder. */
const char* const kSymbolFontFolder = "Configuration Files";
const char* const kSymbolFontFile = "macsymbolfonts.txt";
constexpr int kHostFolderKind = 16;
} // namespace

FCFontInfo* FCString::CreateLastFontInfo() const
{
    auto* pFont = new FCFontInfo();
    std::unique_ptr<FCStrings> pCommands(CreateEnigmaStrings(false));
    if (pCommands)
        pCommands->ParseEnigmaFontInfo(pCommands->GetCount(), pFont);
    return pFont;
}

bool FCString::_SetToCategoryFont_Flush(FCCategoryDef* pCategory, int kind, const char* commandName, FCString* pCommand,
                                        FCString* pSize, FCString* pStyle)
{
    if (!pCategory || !pCommand || !commandName)
        return false;
    FCFontInfo font;
    bool found = false;
    switch (kind) {
    case kTextFont: found = pCategory->GetTextFontInfo(&font); break;
    case kMusicFont: found = pCategory->GetMusicFontInfo(&font); break;
    case kNumberFont: found = pCategory->GetNumberFontInfo(&font); break;
    default: return false;
    }
    if (!found)
        return false;
    FCString name(commandName);
    font.MakeEnigmaString(pCommand, &name);
    if (pSize)
        pSize->Clear();
    if (pStyle)
        pStyle->Clear();
    return true;
}

bool FCString::ReplaceCategoryFonts(FCCategoryDef* pCategory, int mode, bool retag)
{
    if (!pCategory)
        return false;
    std::unique_ptr<FCStrings> pPieces(CreateEnigmaStrings(true));
    if (!pPieces)
        return false;
    bool rewritten = false;
    PendingFont pending;
    auto flush = [&]() {
        if (pending.pCommand && _SetToCategoryFont_Flush(pCategory, pending.kind, pending.name, pending.pCommand,
                                                         pending.pSize, pending.pStyle))
            rewritten = true;
        pending = PendingFont();
    };
    for (int i = 0; i < pPieces->GetCount(); ++i) {
        FCString* pPiece = pPieces->GetItemAt(i);
        if (!pPiece)
            continue;
        if (pPiece->StartsWith("^size(")) {
            pending.pSize = pPiece;
            continue;
        }
        if (pPiece->StartsWith("^nfx(")) {
            pending.pStyle = pPiece;
            continue;
        }
        flush();
        int kind = 0;
        const char* name = "^font";
        if (ClassifyFontCommand(*pPiece, mode, retag, &kind, &name)) {
            pending.pCommand = pPiece;
            pending.kind = kind;
            pending.name = name;
        }
    }
    flush();
    if (rewritten) {
        std::unique_ptr<FCString> pJoined(pPieces->CreateString(nullptr));
        SetString(pJoined.get());
    }
    return rewritten;
}

bool FCStrings::ParseEnigmaFontInfo(int count, FCFontInfo* pFontInfo) const
{
    if (!pFontInfo)
        return false;
    int applied = 0;
    for (int i = 0; i < GetCount() && applied < count; ++i) {
        const FCString* pPiece = GetItemAt(i);
        if (!pPiece || !pPiece->IsEnigmaCommand())
            continue;
        pFontInfo->ParseEnigmaCommand(pPiece);
        ++applied;
    }
    return true;
}

bool FCStrings::LoadSymbolFonts()
{
    if (!qz::IsUnicodeHost(GetFinaleFrameworkVersion()))
        return false;
    FCString path;
    if (!path._SetFinalePath(kHostFolderKind))
        return false;
    path.AssureEndingPathDelimiter();
    path.AppendCString(kSymbolFontFolder);
    path.AssureEndingPathDelimiter();
    path.AppendCString(kSymbolFontFile);
    std::ifstream in(path.GetUTF8String(), std::ios::binary);
    if (!in)
        return false;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return false;
    FCString text;
    text.SetUTF8String(content.str().c_str());
    std::unique_ptr<FCStrings> pLines(text.CreateRows());
    ClearAll();
    if (!pLines)
        return true;
    for (int i = 0; i < pLines->GetCount(); ++i) {
        FCString* pLine = pLines->GetItemAt(i);
        if (!pLine)
            continue;
        pLine->TrimWhitespace();
        if (!pLine->IsEmpty())
            AddCopy(pLine);
    }
    return true;
}
