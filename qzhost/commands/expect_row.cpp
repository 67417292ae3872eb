/* expect row N "#|Name|Staves|Top|Bottom" */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectRow(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect row N \"CELLS\"");
    long long row = 0;
    std::string expected;
    if (!check.Count(2) || !check.Integer(0, 0, kPanelRows - 1, row) || !check.Text(1, expected))
        return check.Error();
    int window = 0;
    Outcome error;
    if (!RequirePanel(session, window, error))
        return error;
    if (row >= session.Ui().qzui_table_row_count(window, kPanelList))
        return Outcome::Expected("row " + std::to_string(row), "no such row");
    std::string got;
    const std::vector<std::string> cells = PanelRowCells(session, window, static_cast<int>(row));
    for (size_t i = 0; i < cells.size(); ++i)
        got += (i ? "|" : "") + cells[i];
    return CompareText(expected, got);
}

} // namespace

QZHOST_LOOK_COMMAND(expect_row, "expect row", "expect row N \"#|Name|Staves|Top|Bottom\"",
                    "checks a list row's five cells", RunExpectRow);
