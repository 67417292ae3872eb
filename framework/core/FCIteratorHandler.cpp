#include "core/FCIteratorHandler.h"

const char* FCIteratorHandler::ClassName() const { return "FCIteratorHandler"; }

bool FCIteratorHandler::Iterate(__FCBase*) { return true; }

bool FCIteratorHandler::SecondPassIterate(__FCBase*) { return false; }

bool FCIteratorHandler::IterateIndex(__FCBase*, int) { return true; }

bool FCIteratorHandler::Match(__FCBase*) { return false; }

int FCIteratorHandler::Compare(__FCBase*, __FCBase*) { return 0; }

bool FCIteratorHandler::PreProcess() { return true; }

bool FCIteratorHandler::PreProcessIfExist() { return true; }

void FCIteratorHandler::PostProcess() {}

void FCIteratorHandler::PostProcessIfExist() {}
