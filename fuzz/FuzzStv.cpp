// Tapisto design files (".stv") imported as the program opens them: by extension, into a fresh
// design with the shipped catalogues.
#include "FuzzDesignCheck.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzDesignCheck::loadAndCheck(FuzzSupport::writeInput(data, size, QStringLiteral("input.stv")));
    return 0;
}
