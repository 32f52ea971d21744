#pragma once
#include "files/DesignFiles.h"
#include <QString>

// The promises of opening a design file of any kind, checked after every load: a refusal and
// every warning name the file, and a loaded design is within the limits with both rasters
// sized for it.
namespace FuzzDesignCheck {
void loadAndCheck(const QString& fileName);
} // namespace FuzzDesignCheck
