// The shelf's model: the items of the tree made from the dictionary
// system's collection (the collection's name, then one item per dictionary
// named in the interface language, with the picture of its language
// direction from the language resource manager), and renamed when the
// interface language changes.
//
// Used by ShelfViewCtrl when the host gives it the dictionary system and
// the language.
#pragma once

#include <string>

#include "LexiconHub.h"
#include "ShelfTree.h"

namespace morvex::shelfview {

struct ShelfNames {
  std::wstring collection;  // the root's text
  long langId;              // the language dictionary names are made in
};

// Fills an empty tree; a failing call into the dictionary system or the
// language resource manager leaves it empty, one failing dictionary is
// passed over. The first dictionary ends up selected.
void BuildShelf(ILexiconHub* system, const ShelfNames& names, ShelfTree* tree);

// The root and every dictionary item take their names anew; nothing
// changes when the system has no registry manager.
void RenameShelf(ILexiconHub* system, const ShelfNames& names, ShelfTree* tree);

}  // namespace morvex::shelfview
