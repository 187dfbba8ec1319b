// A tree model written out as text, so tests compare a whole tree in one assertion.
#pragma once

#include <string>

#include "ui/tree_model.h"

// Every item below the root, one per line in depth-first order, indented two blanks per level:
// "Skills\n  Climbing\n    45\n". An empty tree, or a null one, gives "".
std::string TreeOutline(const TreeModel* tree);
