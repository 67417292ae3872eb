#ifndef QZHOST_VALIDATE_MODULESYMBOLTABLE_H
#define QZHOST_VALIDATE_MODULESYMBOLTABLE_H

/* The dynamic symbol table of a module file, read from the file itself
   (nothing is loaded or run): what the module exports and what it expects
   the loader to bind from elsewhere. */

#include <string>
#include <vector>

struct ModuleSymbol
{
    std::string name; /* without a version suffix */
    bool defined = false;
    bool function = false;
};

class ModuleSymbolTable
{
public:
    /* False, with the reason, when the file is not a shared object of this
       machine's kind or its symbol table cannot be read. */
    bool Read(const std::string& path, std::string& error);

    const std::vector<ModuleSymbol>& Symbols() const { return _symbols; }
    const ModuleSymbol* Find(const std::string& name) const;

private:
    std::vector<ModuleSymbol> _symbols;
};

#endif
