#include "qzhost/session/UiDriver.h"

#include "qzhost/ModuleHost.h"

#include <vector>

bool UiDriver::Resolve(const ModuleHost& host, std::string& missing)
{
    missing.clear();
#define QZHOST_UI_RESOLVE(name)                                           \
    name = reinterpret_cast<decltype(&::name)>(host.PluginSymbol(#name)); \
    if (!name && missing.empty())                                         \
        missing = #name;
    QZHOST_UI_FUNCTIONS(QZHOST_UI_RESOLVE)
#undef QZHOST_UI_RESOLVE
    qzui_table_texts = reinterpret_cast<decltype(&::qzui_table_texts)>(host.PluginSymbol("qzui_table_texts"));
    return missing.empty();
}

namespace
{

/* Appends a text read through one of the driver's readers, which answer
   the full length: most texts fit the first buffer, longer ones are read
   again. */
template <class Reader>
void AppendText(std::string& out, Reader read)
{
    char first[256];
    const int length = read(first, static_cast<int>(sizeof first));
    if (length <= 0)
        return;
    if (length < static_cast<int>(sizeof first)) {
        out += first;
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    read(buffer.data(), length + 1);
    out += buffer.data();
}

template <class Reader>
std::string ReadText(Reader read)
{
    std::string text;
    AppendText(text, read);
    return text;
}

} // namespace

std::string UiDriver::ElementText(int window, int tag) const
{
    return ReadText([&](char* buf, int size) { return qzui_element_text(window, tag, buf, size); });
}

std::string UiDriver::CellText(int window, int tag, int row, int column) const
{
    return ReadText([&](char* buf, int size) { return qzui_table_cell_text(window, tag, row, column, buf, size); });
}

void UiDriver::AppendCellText(std::string& out, int window, int tag, int row, int column) const
{
    AppendText(out, [&](char* buf, int size) { return qzui_table_cell_text(window, tag, row, column, buf, size); });
}

bool UiDriver::TableTexts(int window, int tag, std::string& texts) const
{
    if (!qzui_table_texts)
        return false;
    texts.resize(texts.capacity() > 1024 ? texts.capacity() : 1024);
    int length = qzui_table_texts(window, tag, &texts[0], static_cast<int>(texts.size()));
    if (length >= static_cast<int>(texts.size())) {
        texts.resize(static_cast<size_t>(length) + 1);
        length = qzui_table_texts(window, tag, &texts[0], static_cast<int>(texts.size()));
    }
    if (length < 0 || length >= static_cast<int>(texts.size()))
        return false;
    texts.resize(static_cast<size_t>(length));
    return true;
}
