/* Host text commands in strings ("^font(Name)^size(12)^nfx(1)text^^"): the
 * split into commands and text runs, the component split of one command, the
 * removal of commands, the delimiter and row splits, and the font description
 * that reads and writes the font, size and effects commands.
 *
 * Input: one selector byte (command word for writing), then UTF-8 text. */
#include <cstdint>
#include <memory>
#include <string>

#include "document/FCFontInfo.h"
#include "common/qz_host_versions.h"
#include "strings/FCString.h"
#include "strings/FCStrings.h"
#include "core/FinaleVersion.h"
#include "FuzzCheck.h"

namespace
{
constexpr uint16_t kCaret = '^';

using StringsPtr = std::unique_ptr<FCStrings>;

int Count(const FCString& text, uint16_t unit)
{
    int count = 0;
    for (uint64_t i = 0; i < text.GetLength(); ++i)
        count += text.GetItemAt(static_cast<int>(i)) == unit;
    return count;
}

bool HasAnyOf(const FCString& text, const char* units)
{
    for (uint64_t i = 0; i < text.GetLength(); ++i)
        if (text.IsCharacters(static_cast<int>(i), units))
            return true;
    return false;
}

/* Joins the pieces of a list. */
FCString Joined(const FCStrings& list)
{
    FCString all;
    for (int i = 0; i < list.GetCount(); ++i)
        all.AppendString(list.GetItemAt(i));
    return all;
}

void CheckSplit(const FCString& text)
{
    StringsPtr all(text.CreateEnigmaStrings(true));
    FUZZ_CHECK(all != nullptr, "the split always gives a list");
    FCString joined = Joined(*all);
    FUZZ_CHECK(joined.IsEqualString(&text), "commands and text runs put together give the text");

    StringsPtr commands(text.CreateEnigmaStrings(false));
    for (int i = 0; i < commands->GetCount(); ++i) {
        const FCString* pCommand = commands->GetItemAt(i);
        FUZZ_CHECK(pCommand && pCommand->IsEnigmaCommand(), "every command piece is one command");
        FUZZ_CHECK(pCommand->GetLength() <= text.GetLength(), "a command lies inside the text");
        StringsPtr parts(pCommand->CreateEnigmaComponents());
        FUZZ_CHECK(parts || Count(*pCommand, '(') > 1 || pCommand->GetLength() < 2, "a single command has components");
        for (int k = 0; parts && k < parts->GetCount(); ++k)
            FUZZ_CHECK(!parts->GetItemAt(k)->IsEmpty() && !HasAnyOf(*parts->GetItemAt(k), ",()"),
                       "components are not empty and hold no separator");
    }
    if (Count(text, kCaret) == 0)
        FUZZ_CHECK(commands->GetCount() == 0, "no caret, no command");
}

void CheckTrim(const FCString& text)
{
    FCString all(text);
    const bool droppedAny = all.TrimEnigmaTags();
    FCString fonts(text);
    const bool droppedFonts = fonts.TrimEnigmaFontTags();

    FUZZ_CHECK(all.GetLength() <= text.GetLength() && fonts.GetLength() <= text.GetLength(),
               "removing commands never adds text");
    FUZZ_CHECK(!droppedFonts || droppedAny, "font commands are commands");
    FUZZ_CHECK(all.GetLength() <= fonts.GetLength(), "removing all commands removes the font commands");
    if (!droppedAny)
        FUZZ_CHECK(all.IsEqualString(&fonts), "with no command, both removals only fold \"^^\"");
    if (Count(text, kCaret) == 0)
        FUZZ_CHECK(!droppedAny && all.IsEqualString(&text), "text without a caret stays as it is");
    /* What is left of the carets comes from "^^" pairs. */
    FUZZ_CHECK(2 * Count(all, kCaret) <= Count(text, kCaret), "only folded pairs leave a caret");
}

void CheckLists(const FCString& text)
{
    StringsPtr pieces(text.CreateParsedStrings(",;( "));
    uint64_t kept = 0;
    for (int i = 0; i < pieces->GetCount(); ++i) {
        const FCString* pPiece = pieces->GetItemAt(i);
        FUZZ_CHECK(!pPiece->IsEmpty() && !HasAnyOf(*pPiece, ",;( "), "pieces hold no delimiter");
        kept += pPiece->GetLength();
    }
    uint64_t delimiters = 0;
    for (uint64_t i = 0; i < text.GetLength(); ++i)
        delimiters += text.IsCharacters(static_cast<int>(i), ",;( ");
    FUZZ_CHECK(kept + delimiters == text.GetLength(), "pieces and delimiters make up the text");

    StringsPtr rows(text.CreateRows());
    const int ends = Count(text, '\r') + Count(text, '\n');
    FUZZ_CHECK(rows->GetCount() <= ends + 1, "no more rows than line ends allow");
    for (int i = 0; i < rows->GetCount(); ++i)
        FUZZ_CHECK(Count(*rows->GetItemAt(i), '\r') + Count(*rows->GetItemAt(i), '\n') == 0, "rows hold no line end");
}

bool SameFont(const FCFontInfo& a, const FCFontInfo& b)
{
    FCString nameA, nameB;
    a.GetNameString(&nameA);
    b.GetNameString(&nameB);
    return nameA.IsEqualString(&nameB) && a.GetSize() == b.GetSize() && a.GetEffects() == b.GetEffects();
}

/* A name the command syntax can carry and that names no host font number. */
bool IsWritableName(const FCString& name)
{
    return !name.IsEmpty() && !HasAnyOf(name, "^,()") && !name.StartsWith("Font");
}

void CheckFont(const FCString& text, uint8_t selector)
{
    FCFontInfo font;
    StringsPtr commands(text.CreateEnigmaStrings(false));
    for (int i = 0; i < commands->GetCount(); ++i) {
        const FCFontInfo before(font);
        if (!font.ParseEnigmaCommand(commands->GetItemAt(i)))
            FUZZ_CHECK(SameFont(before, font), "a refused command changes nothing");
    }
    FUZZ_CHECK(!font.ParseEnigmaCommand(nullptr), "no command, nothing taken");

    FCString name;
    font.GetNameString(&name);
    if (!IsWritableName(name))
        return;
    static const char* const kWords[] = {"^font", "^fontMus", "^fontTxt", "^fontNum"};
    const FCString word(kWords[selector % 4]);
    FCString written;
    FUZZ_CHECK(font.MakeEnigmaString(&written, selector & 4 ? &word : nullptr), "the font is written");

    FCFontInfo reread;
    reread.SetSize(static_cast<int16_t>(font.GetSize() + 1));
    StringsPtr parts(written.CreateEnigmaStrings(false));
    for (int i = 0; i < parts->GetCount(); ++i)
        FUZZ_CHECK(reread.ParseEnigmaCommand(parts->GetItemAt(i)), "every written command is taken");
    FUZZ_CHECK(SameFont(reread, font), "a written font reads back the same");
    FUZZ_CHECK(reread.IsIdenticalTo(&font), "a written font is identical to its source");

    FCString trimmed(written);
    FUZZ_CHECK(trimmed.TrimEnigmaFontTags() && trimmed.IsEmpty(), "written font commands are font commands");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetFinaleFrameworkVersion(qz::kHostVersion19);
    FuzzCheck::Reader reader(data, size);
    const uint8_t selector = reader.Byte();
    const std::string bytes = reader.Rest();
    FCString text;
    text.SetUTF8String(bytes.c_str());

    CheckSplit(text);
    CheckTrim(text);
    CheckLists(text);
    CheckFont(text, selector);
    return 0;
}
