#pragma once
#include <QString>

// Process set-up shared by the core and window test programs.
namespace TestEnvironment {
// Before the application object: offscreen platform, a private settings folder.
void prepareProcess();
// After it: the source tree's data folder and the symbol font.
void prepareApplication();
QString fixture(const QString& name);
QString sourceData(const QString& relative = QString());
} // namespace TestEnvironment
