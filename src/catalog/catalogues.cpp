#include "catalog/catalogues.h"

void LoadCatalogues() {}
