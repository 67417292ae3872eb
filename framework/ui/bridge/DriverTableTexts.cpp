/* The driver's read of every cell of a table in one call, over the backend's
 * primitive element operations: what each column shows is worked out once
 * per call, each row is found once, and each cell's text is converted
 * straight into the one buffer. */
#include "ui/driver/qzui_driver.h"

#include <cstring>
#include <string>
#include <vector>

#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"
#include "ui/FCCtrlDataList.h"
#include "ui/FCDataListRow.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/bridge/ElementBackend.h"
#include "ui/bridge/TableRules.h"

using namespace ElementBackend;

namespace
{
/* One cell's text and its closing zero; a text is cut at a zero of its own. */
void AppendCell(const FCDataListRow* pRow, int cellIndex, bool unicode, std::string& out)
{
    const size_t start = out.size();
    TableRules::AppendText(TableRules::CellOf(pRow, cellIndex), unicode, out);
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
        cells.push_back(TableRules::CellIndexOf(ColumnIdentifier(table, column)));
    FCCtrlDataList* pList = ListOf(table);
    const int rows = pList ? RowCount(table) : 0;
    const bool unicode = qz::IsUnicodeHost(GetFinaleFrameworkVersion());
    std::string out;
    out.reserve(1024);
    for (int row = 0; row < rows; ++row) {
        const FCDataListRow* pRow = pList->GetItemAt(row);
        for (int cell : cells)
            AppendCell(pRow, cell, unicode, out);
    }
    const int length = static_cast<int>(out.size());
    if (buf && size > length)
        std::memcpy(buf, out.data(), out.size());
    if (buf && size > 0)
        buf[size > length ? length : 0] = '\0';
    return length;
}
