#include "qzhost/validate/ModuleSymbolTable.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace
{

using Header = Elf64_Ehdr;
using Section = Elf64_Shdr;
using Symbol = Elf64_Sym;

template <typename T>
bool ReadAt(const std::vector<char>& file, uint64_t offset, T& out)
{
    if (offset > file.size() || file.size() - offset < sizeof(T))
        return false;
    std::memcpy(&out, file.data() + offset, sizeof(T));
    return true;
}

bool CheckHeader(const std::vector<char>& file, Header& header, std::string& error)
{
    if (!ReadAt(file, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) {
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

/* The name at offset in the string section, bounded by the section. */
std::string NameAt(const std::vector<char>& file, const Section& strings, uint32_t offset)
{
    if (offset >= strings.sh_size || strings.sh_offset > file.size() ||
        strings.sh_size > file.size() - strings.sh_offset)
        return "";
    const char* begin = file.data() + strings.sh_offset + offset;
    const char* limit = file.data() + strings.sh_offset + strings.sh_size;
    const char* end = static_cast<const char*>(std::memchr(begin, 0, static_cast<size_t>(limit - begin)));
    std::string name(begin, end ? end : limit);
    return name.substr(0, name.find('@'));
}

} // namespace

bool ModuleSymbolTable::Read(const std::string& path, std::string& error)
{
    _symbols.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read the file";
        return false;
    }
    const std::vector<char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Header header{};
    if (!CheckHeader(file, header, error))
        return false;
    for (unsigned s = 0; s < header.e_shnum; ++s) {
        Section section{};
        if (!ReadAt(file, header.e_shoff + uint64_t{s} * sizeof(Section), section)) {
            error = "truncated section headers";
            return false;
        }
        if (section.sh_type != SHT_DYNSYM)
            continue;
        Section strings{};
        if (!ReadAt(file, header.e_shoff + uint64_t{section.sh_link} * sizeof(Section), strings)) {
            error = "truncated symbol names";
            return false;
        }
        for (uint64_t at = sizeof(Symbol); at + sizeof(Symbol) <= section.sh_size; at += sizeof(Symbol)) {
            Symbol symbol{};
            if (!ReadAt(file, section.sh_offset + at, symbol))
                break;
            ModuleSymbol entry;
            entry.name = NameAt(file, strings, symbol.st_name);
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
