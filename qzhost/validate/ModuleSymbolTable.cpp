#include "qzhost/validate/ModuleSymbolTable.h"

#include <elf.h>

#include <cstring>
#include <fstream>

namespace
{

using Header = Elf64_Ehdr;
using Section = Elf64_Shdr;
using Symbol = Elf64_Sym;

/* The module file, read where asked: only the header, the section headers
   and the dynamic symbol and name sections are ever read, so a module full
   of debug information costs no more than a stripped one. */
class ModuleFile
{
public:
    explicit ModuleFile(const std::string& path) : _in(path, std::ios::binary | std::ios::ate)
    {
        const std::streamoff end = _in ? std::streamoff(_in.tellg()) : -1;
        _open = end >= 0;
        _size = _open ? uint64_t(end) : 0;
    }

    bool Open() const { return _open; }

    /* False when [offset, offset + count) is not inside the file. */
    bool Read(uint64_t offset, void* out, uint64_t count)
    {
        if (offset > _size || _size - offset < count)
            return false;
        _in.clear();
        _in.seekg(std::streamoff(offset));
        return bool(_in.read(static_cast<char*>(out), std::streamsize(count)));
    }

    template <typename T>
    bool ReadAt(uint64_t offset, T& out)
    {
        return Read(offset, &out, sizeof(T));
    }

    /* The section's bytes; false when it does not lie inside the file. */
    bool ReadSection(const Section& section, std::vector<char>& bytes)
    {
        if (section.sh_size > _size)
            return false;
        bytes.resize(size_t(section.sh_size));
        return Read(section.sh_offset, bytes.data(), section.sh_size);
    }

private:
    std::ifstream _in;
    uint64_t _size = 0;
    bool _open = false;
};

bool CheckHeader(ModuleFile& file, Header& header, std::string& error)
{
    if (!file.ReadAt(0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) {
        error = "not a shared object (no ELF header)";
        return false;
    }
    if (header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_type != ET_DYN) {
        error = "not a 64-bit shared object";
        return false;
    }
    if (header.e_shentsize != sizeof(Section)) {
        error = "unexpected section header size";
        return false;
    }
    return true;
}

/* The name at offset in the name section, bounded by the section. */
std::string NameAt(const std::vector<char>& names, uint32_t offset)
{
    if (offset >= names.size())
        return "";
    const char* begin = names.data() + offset;
    const char* limit = names.data() + names.size();
    const char* end = static_cast<const char*>(std::memchr(begin, 0, size_t(limit - begin)));
    std::string name(begin, end ? end : limit);
    return name.substr(0, name.find('@'));
}

} // namespace

bool ModuleSymbolTable::Read(const std::string& path, std::string& error)
{
    _symbols.clear();
    ModuleFile file(path);
    if (!file.Open()) {
        error = "cannot read the file";
        return false;
    }
    Header header{};
    if (!CheckHeader(file, header, error))
        return false;
    for (unsigned s = 0; s < header.e_shnum; ++s) {
        Section section{};
        if (!file.ReadAt(header.e_shoff + uint64_t{s} * sizeof(Section), section)) {
            error = "truncated section headers";
            return false;
        }
        if (section.sh_type != SHT_DYNSYM)
            continue;
        Section strings{};
        std::vector<char> symbols, names;
        if (!file.ReadAt(header.e_shoff + uint64_t{section.sh_link} * sizeof(Section), strings) ||
            !file.ReadSection(strings, names)) {
            error = "truncated symbol names";
            return false;
        }
        if (!file.ReadSection(section, symbols)) {
            error = "truncated symbol table";
            return false;
        }
        for (size_t at = sizeof(Symbol); at + sizeof(Symbol) <= symbols.size(); at += sizeof(Symbol)) {
            Symbol symbol{};
            std::memcpy(&symbol, symbols.data() + at, sizeof(Symbol));
            ModuleSymbol entry;
            entry.name = NameAt(names, symbol.st_name);
            entry.defined = symbol.st_shndx != SHN_UNDEF;
            entry.function = ELF64_ST_TYPE(symbol.st_info) == STT_FUNC;
            if (!entry.name.empty())
                _symbols.push_back(entry);
        }
        return true;
    }
    error = "no dynamic symbol table";
    return false;
}

const ModuleSymbol* ModuleSymbolTable::Find(const std::string& name) const
{
    for (const ModuleSymbol& symbol : _symbols)
        if (symbol.name == name && symbol.defined)
            return &symbol;
    return nullptr;
}
