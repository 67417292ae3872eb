/* The driver's read of every cell of a table in one call, over the backend's
 * primitive element operations: what each column shows is worked out once
 * per call, each row is found once, and each cell's text is converted
 * straight into the one buffer. */
#include "ui/driver/qzui_driver.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/qz_host_versions.h"
#include "common/qz_utf.h"
#include "core/FinaleVersion.h"
#include "strings/FCString.h"
#include "ui/FCCtrlDataList.h"
#include "ui/FCDataListRow.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/bridge/ElementBackend.h"

using namespace ElementBackend;

namespace
{
/* What a column shows of a row: its check state, one of its strings (a
   0-based index) or nothing. */
constexpr int kCheckCell = -1;
constexpr int kNoCell = -2;

int CellOfColumn(const std::string& identifier)
{
    if (identifier == "check")
        return kCheckCell;
    if (identifier.compare(0, 3, "col") != 0)
        return kNoCell;
    const long number = std::strtol(identifier.c_str() + 3, nullptr, 10);
    return number > 0 && number <= INT_MAX ? static_cast<int>(number - 1) : kNoCell;
}

/* A string's text: its units in UTF-8 on a Unicode host; on an older host
   its 8-bit text when that is well-formed UTF-8, else nothing. */
void AppendString(FCString* pString, bool unicode, std::string& out)
{
    if (unicode) {
        if (pString->_GetBuffer())
            qz::Utf16ToUtf8(pString->_GetBuffer(), pString->GetLength(), out, qz::Malformed::Replace);
        return;
    }
    const std::string bytes = pString->GetCString();
    if (qz::FindMalformedUtf8(bytes) == std::string::npos)
        out += bytes;
}

/* One cell's text and its closing zero; a text is cut at a zero of its own. */
void AppendCell(const FCDataListRow* pRow, int cell, bool unicode, std::string& out)
{
    const size_t start = out.size();
    if (cell == kCheckCell)
        out += pRow->GetCheck() ? '1' : '0';
    else if (FCString* pString = cell >= 0 ? pRow->GetItemAt(cell) : nullptr)
        AppendString(pString, unicode, out);
    if (const void* pZero = std::memchr(out.data() + start, 0, out.size() - start))
        out.resize(static_cast<size_t>(static_cast<const char*>(pZero) - out.data()));
    out += '\0';
}
} // namespace

int qzui_table_texts(int window, int tag, char* buf, int size)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    Element table = pBridge ? Find(pBridge, tag, Kind::Table) : nullptr;
    if (!table)
        return -1;
    std::vector<int> cells;
    for (int column = 0; column < ColumnCount(table); ++column)
        cells.push_back(CellOfColumn(ColumnIdentifier(table, column)));
    FCCtrlDataList* pList = ListOf(table);
    const int rows = pList ? RowCount(table) : 0;
    const bool unicode = qz::IsUnicodeHost(GetFinaleFrameworkVersion());
    std::string out;
    out.reserve(1024);
    for (int row = 0; row < rows; ++row) {
        const FCDataListRow* pRow = pList->GetItemAt(row);
        for (int cell : cells) {
            if (pRow)
                AppendCell(pRow, cell, unicode, out);
            else
                out += '\0';
        }
    }
    const int length = static_cast<int>(out.size());
    if (buf && size > length)
        std::memcpy(buf, out.data(), out.size());
    if (buf && size > 0)
        buf[size > length ? length : 0] = '\0';
    return length;
}
